// Charboard: starts the application and shows the main window.
#include "charactermap.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Charboard"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    CharacterMap window;
    window.show();
    return app.exec();
}
