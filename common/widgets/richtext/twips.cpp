// Twips: see twips.h.
#include "widgets/richtext/twips.h"

#include "core/numbers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Twips {

double perPixel(const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

int toPixels(double twips, double twipsPerPixel)
{
    return Numbers::clampToInt32(twips / (twipsPerPixel > 0 ? twipsPerPixel : 15.0));
}

int fromPixels(double pixels, double twipsPerPixel)
{
    return Numbers::clampToInt32(pixels * (twipsPerPixel > 0 ? twipsPerPixel : 15.0));
}

int toPixels(double twips, const QWidget *widget)
{
    return toPixels(twips, perPixel(widget));
}

int fromPixels(double pixels, const QWidget *widget)
{
    return fromPixels(pixels, perPixel(widget));
}

} // namespace Twips
