#pragma once

#include <QFont>
#include <QString>

/// The font built into the program that draws the i-mode pictographs (the
/// private-use characters code page 932 decodes them to) as colour emoji.
/// It stands last behind the fonts of every visible text, so it only draws
/// what no other font has; the text itself never changes.
namespace pictographfont {

/// Registers the font with the application on the first call and returns
/// its family; empty when the font could not be loaded.
QString family();

/// `font` with the pictograph family as its last family.
QFont withFallback(QFont font);

} // namespace pictographfont
