// Facelister: starts the application, shows the main window and runs its start-up.
#include "ui/facelisterplatform.h"
#include "ui/facelisterwindow.h"
#include "widgets/platform/programidentity.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ProgramIdentity::start(QStringLiteral("Facelister"));

    FacelisterPlatform platform;
    FacelisterWindow window(platform.services());
    platform.messages.setParent(&window);
    platform.printer.setParent(&window);
    platform.busy.setWindow(&window);
    platform.saveDialog.setParent(&window);
    window.show();
    // Start-up runs once the main window is on the screen.
    QTimer::singleShot(0, &window, [&window] { window.Form_Load(); });
    return app.exec();
}
