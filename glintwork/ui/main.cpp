// Glintwork: starts the application and shows the main window.
#include "formgw.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glintwork"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    FormGW window;
    window.show();
    return app.exec();
}
