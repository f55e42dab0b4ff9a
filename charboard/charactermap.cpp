// The main window of Charboard: see charactermap.h.
#include "charactermap.h"

CharacterMap::CharacterMap(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("CharacterMap"));
    setWindowTitle(QStringLiteral("Charboard"));
    resize(640, 480);
}
