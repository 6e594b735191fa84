#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>

class QWidget;

/// Checks that a shown window is drawn whole: no control covers another and
/// no text is cut. Each check lists what it found, one line per fault, so
/// that a test writes `EXPECT_EQ(drawnwhole::overlaps(window), QStringList())`
/// and a failure names the controls and their places. Lay the window out
/// first (show it, or activate its layout).
namespace drawnwhole {

/// Every pair of visible widgets of `window` whose visible rectangles
/// intersect, as "a [x,y w×h] ~ b [x,y w×h]" in window coordinates; a widget
/// is named by its object name (its class when it has none) after its
/// parent's. The visible rectangle of a widget is its own clipped by every
/// ancestor's, so what a scroll area's viewport hides does not count.
/// Compared are all widgets of the window, children of composite widgets
/// too, but never a widget with its own ancestors or descendants, hidden or
/// empty ones, or other windows (menus, tool tips).
///
/// `raisedPanel` is the object name of one widget allowed to cover others,
/// such as an open drop-down panel: its overlaps (and its descendants') are
/// not reported while it fills its background and stands above the other
/// widget in stacking order; otherwise they are reported with the reason.
QStringList overlaps(const QWidget &window, const QString &raisedPanel = {});

/// Every visible button, check box and label of `window` smaller than its
/// text needs, as "name [w×h] needs w×h": a push button narrower than its
/// text and frame (a style's wish for wider buttons aside), a label that
/// wraps lower than its text takes at its width, any other narrower or lower
/// than its minimum size hint.
QStringList cutTexts(const QWidget &window);

/// The widget's name as the lines above give it: "parent/name".
QString nameOf(const QWidget *widget);

/// A screen of 1024 × 600 less the window system's caption and a panel.
inline const QSize kSmallScreen(1024, 600 - 2 * 32);

/// The application font, scaled while it lives.
struct ScaledFont {
    explicit ScaledFont(double factor);
    ~ScaledFont();
    const QFont normal;
};

} // namespace drawnwhole
