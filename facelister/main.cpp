// Facelister: starts the application, shows the main window and runs its start-up.
#include "facelisterplatform.h"
#include "facelisterwindow.h"
#include "programidentity.h"
#include "rtfwriter.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Facelister"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    ProgramIdentity::apply(QStringLiteral("facelister"));

    FacelisterPlatform platform;
    // Saved and copied RTF marks the installed symbol fonts as such.
    RtfWriter::setSymbolFaces(platform.fonts.symbolFontNames());
    FacelisterWindow window(platform.services());
    platform.messages.setParent(&window);
    platform.busy.setWindow(&window);
    platform.saveDialog.setParent(&window);
    window.show();
    // Start-up runs once the main window is on the screen.
    QTimer::singleShot(0, &window, [&window] { window.Form_Load(); });
    return app.exec();
}
