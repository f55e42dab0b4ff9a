// Glintwork: starts the application, shows the main window at once and loads the
// settings into it.
#include "filelocations.h"
#include "glintworkwindow.h"
#include "qtbusypointer.h"
#include "qtclipboard.h"
#include "qtfontcatalog.h"
#include "qtglintworkdialogs.h"
#include "qtmessageservice.h"
#include "qtshell.h"
#include "randomsource.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glintwork"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));

    QtFontCatalog fonts;
    QtMessageService messages;
    QtClipboard clipboard;
    QtShell shell;
    QtBusyPointer busy;
    SystemFileLocations files;
    QtGlintworkDialogs dialogs;
    RandomSource random;
    GlintworkServices services{&fonts, &messages, &clipboard, &shell,
                               &busy,  &files,    &dialogs,   &random};

    GlintworkWindow window(services);
    messages.setParent(&window);
    busy.setWindow(&window);
    dialogs.setParent(&window);
    window.show();
    window.Form_Load();
    return app.exec();
}
