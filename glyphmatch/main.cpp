// Glyphmatch: starts the application and shows the main window.
#include "files/filelocations.h"
#include "ui/glyphmatchwindow.h"
#include "widgets/fonts/qtfontcatalog.h"
#include "widgets/platform/programidentity.h"
#include "widgets/platform/qtbusypointer.h"
#include "widgets/platform/qtclipboard.h"
#include "widgets/platform/qtmessageservice.h"
#include "widgets/platform/qtprintservice.h"
#include "widgets/platform/qtshell.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ProgramIdentity::start(QStringLiteral("Glyphmatch"));
    QtFontCatalog fonts;
    QtMessageService messages;
    QtShell shell;
    QtBusyPointer busy;
    SystemFileLocations locations;
    QtClipboard clipboard;
    QtPrintService printer;
    GlyphmatchWindow window({fonts, messages, shell, busy, locations, &clipboard, &printer});
    messages.setParent(&window);
    printer.setParent(&window);
    busy.setWindow(&window);
    window.Form_Load();
    return app.exec();
}
