// The main window of Glyphmatch: see formif.h.
#include "formif.h"

FormIF::FormIF(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormIF"));
    setWindowTitle(QStringLiteral("Glyphmatch"));
    resize(640, 480);
}
