#include "gui/platform/Twips.h"

#include <cmath>

Twips::Twips(double dotsPerInch) : pixelsPerTwip_(dotsPerInch / 1440.0) {}

int Twips::toPixels(int twips) const { return static_cast<int>(std::lround(twips * pixelsPerTwip_)); }

int Twips::toTwips(int pixels) const { return static_cast<int>(std::lround(pixels / pixelsPerTwip_)); }
