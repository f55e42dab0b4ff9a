// Charboard: starts the application and shows the main window.
#include "files/filelocations.h"
#include "ui/charboardwindow.h"
#include "widgets/fonts/qtfontcatalog.h"
#include "widgets/platform/programidentity.h"
#include "widgets/platform/qtbusypointer.h"
#include "widgets/platform/qtclipboard.h"
#include "widgets/platform/qtshell.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ProgramIdentity::start(QStringLiteral("Charboard"));
    QtFontCatalog fonts;
    QtClipboard clipboard;
    QtShell shell;
    QtBusyPointer busy;
    SystemFileLocations locations;
    CharboardWindow window({fonts, clipboard, shell, busy, locations});
    busy.setWindow(&window);
    window.show();
    window.Form_Load();
    return app.exec();
}
