// Glintwork: starts the application, shows the main window at once and loads the
// settings into it.
#include "filelocations.h"
#include "glintworkwindow.h"
#include "programidentity.h"
#include "qtbusypointer.h"
#include "qtclipboard.h"
#include "qtfontcatalog.h"
#include "qtglintworkdialogs.h"
#include "qtmessageservice.h"
#include "qtshell.h"
#include "randomsource.h"

#include <QApplication>
#include <QLoggingCategory>

// Where the settings and the help page were found; shown with
// QT_LOGGING_RULES="kerncraft.glintwork.info=true" (the package check uses it).
Q_LOGGING_CATEGORY(lcGlintworkStart, "kerncraft.glintwork", QtWarningMsg)

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glintwork"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    ProgramIdentity::apply(QStringLiteral("glintwork"));

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
    qCInfo(lcGlintworkStart) << "settings file" << window.settingsPath() << "help page"
                             << window.helpAddress();
    return app.exec();
}
