// Facelister: starts the application and shows the main window.
#include "formfl.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Facelister"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    FormFL window;
    window.show();
    return app.exec();
}
