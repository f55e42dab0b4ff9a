// The main window of Glintwork: see formgw.h.
#include "formgw.h"

FormGW::FormGW(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormGW"));
    setWindowTitle(QStringLiteral("Glintwork"));
    resize(640, 480);
}
