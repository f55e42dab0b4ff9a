// The main window of Facelister: see formfl.h.
#include "formfl.h"

FormFL::FormFL(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormFL"));
    setWindowTitle(QStringLiteral("Facelister"));
    resize(640, 480);
}
