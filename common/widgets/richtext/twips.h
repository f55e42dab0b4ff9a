// Twips, the unit of the window layout: 1440 per logical inch of the screen a widget is on
// (15 twips per pixel at 96 dpi).
#pragma once

class QWidget;

namespace Twips {

// Twips per pixel for the widget's screen (the primary screen when it has none).
double perPixel(const QWidget *widget = nullptr);
int toPixels(double twips, const QWidget *widget = nullptr);
int fromPixels(double pixels, const QWidget *widget = nullptr);
// The pure conversions, for a given number of twips per pixel.
int toPixels(double twips, double twipsPerPixel);
int fromPixels(double pixels, double twipsPerPixel);

} // namespace Twips
