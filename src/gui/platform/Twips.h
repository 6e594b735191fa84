#pragma once

/// Converts between twips (1/1440 inch), in which the settings file keeps
/// the window's size, and pixels at the screen's dots per inch.
class Twips {
public:
    explicit Twips(double dotsPerInch);

    int toPixels(int twips) const;
    int toTwips(int pixels) const;

private:
    double pixelsPerTwip_;
};
