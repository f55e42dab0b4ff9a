// The HTML font size 1 to 7 that stands for a size in points.
#pragma once

int htmlSizeClass(double points);
