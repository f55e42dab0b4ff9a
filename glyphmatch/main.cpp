// Glyphmatch: starts the application and shows the main window.
#include "filelocations.h"
#include "glyphmatchwindow.h"
#include "programidentity.h"
#include "qtbusypointer.h"
#include "qtfontcatalog.h"
#include "qtmessageservice.h"
#include "qtshell.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glyphmatch"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    ProgramIdentity::apply(QStringLiteral("glyphmatch"));
    QtFontCatalog fonts;
    QtMessageService messages;
    QtShell shell;
    QtBusyPointer busy;
    SystemFileLocations locations;
    GlyphmatchWindow window({fonts, messages, shell, busy, locations});
    messages.setParent(&window);
    busy.setWindow(&window);
    window.Form_Load();
    return app.exec();
}
