// The window's size and place: see windowplacement.h.
#include "ui/windowplacement.h"

#include <QSettings>
#include <QWidget>

namespace WindowPlacement {

namespace {
const QString kKey = QStringLiteral("window/geometry");
}

bool restore(QWidget &window, QSettings &store)
{
    const QByteArray geometry = store.value(kKey).toByteArray();
    // Qt moves a window whose screen has gone back onto one that is there.
    return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

void save(const QWidget &window, QSettings &store)
{
    store.setValue(kKey, window.saveGeometry());
    store.sync();
}

} // namespace WindowPlacement
