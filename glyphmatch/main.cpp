// Glyphmatch: starts the application and shows the main window.
#include "formif.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glyphmatch"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    FormIF window;
    window.show();
    return app.exec();
}
