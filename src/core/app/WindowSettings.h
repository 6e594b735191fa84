#pragma once

/// What the settings file keeps of the main window: its size in twips, the
/// body's font size and whether the preview panel shows. The window gives
/// its own values before the file is read or written, and takes them back
/// after it was read.
struct WindowSettings {
    int widthTwips = 0;
    int heightTwips = 0;
    double bodyFontPoints = 0;
    bool previewShown = false;
};
