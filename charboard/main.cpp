// Charboard: starts the application and shows the main window.
#include "charboardwindow.h"
#include "filelocations.h"
#include "programidentity.h"
#include "qtbusypointer.h"
#include "qtclipboard.h"
#include "qtfontcatalog.h"
#include "qtshell.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Charboard"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    ProgramIdentity::apply(QStringLiteral("charboard"));
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
