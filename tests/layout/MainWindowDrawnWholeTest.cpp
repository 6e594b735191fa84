// The main window drawn whole in each of its states: no control covers
// another but the open limit panel, which stands opaque above what it
// covers, and no text is cut; at the design size, on a 1024 × 600 screen
// and with the window's font doubled.
#include "gui/compose/LimitFlagBoxes.h"
#include "support/DrawnWhole.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

void expectDrawnWhole(WindowHarness &h)
{
    // The layouts take what was shown, hidden or rewritten, one level of
    // the window per pass.
    for (int level = 0; level < 5; ++level)
        QCoreApplication::processEvents();
    EXPECT_EQ(drawnwhole::overlaps(h.window(), u"limitFlags"_qs).join(u'\n').toStdString(), "");
    EXPECT_EQ(drawnwhole::cutTexts(h.window()).join(u'\n').toStdString(), "");
}

// Folded, the limit panel's boxes are neither drawn nor reached by Tab or
// a screen reader; open, they are all there.
void expectLimitFlagsShown(WindowHarness &h, bool shown)
{
    for (const LimitFlag flag : allLimitFlags)
        EXPECT_EQ(h.ui().limitFlags[flag]->isVisibleTo(&h.window()), shown) << static_cast<int>(flag);
}

TEST(MainWindowDrawnWhole, NoControlCoversAnotherAndNoTextIsCut)
{
    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale == 1 ? "the design font" : "the font doubled");
        WindowHarness h;
        ASSERT_TRUE(h.start());
        if (scale != 1) {
            QFont doubled = h.window().font();
            doubled.setPointSizeF(doubled.pointSizeF() * scale);
            h.window().setFont(doubled);
        }
        expectDrawnWhole(h);
        expectLimitFlagsShown(h, false);

        h.ui().imodeSetting->setChecked(true);
        h.ui().limitPanel->click();
        expectLimitFlagsShown(h, true);
        h.ui().previewButton->click();
        h.ui().panelEntries[1]->trigger(); // the draft and log list
        ASSERT_TRUE(h.ui().previewPanel->isVisible());
        ASSERT_TRUE(h.ui().mailList->isVisible());
        expectDrawnWhole(h);

        SCOPED_TRACE("1024 × 600");
        h.window().resize(h.window().size().boundedTo(drawnwhole::kSmallScreen));
        if (scale == 1) {
            EXPECT_EQ(h.window().size().boundedTo(drawnwhole::kSmallScreen), h.window().size());
        }
        expectDrawnWhole(h);
        h.ui().limitPanel->click();
        expectLimitFlagsShown(h, false);
        expectDrawnWhole(h);
    }
}

// Tab reaches the controls as the eye reads them: the tool bar from the
// left, then the fields from the top, then the preview panel.
TEST(MainWindowDrawnWhole, TabGoesAsTheEyeReads)
{
    WindowHarness h;
    h.folder.writeText(u"addr.adr"_qs, u"a@docomo.ne.jp\r\n"_qs); // enables the address book button
    ASSERT_TRUE(h.start());
    h.ui().imodeSetting->setChecked(true);
    h.ui().previewButton->click();
    QStringList reached;
    QWidget *w = h.ui().sendButton;
    do {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            reached.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != h.ui().sendButton);
    EXPECT_EQ(reached.join(u' ').toStdString(),
              "Command3 Command1 Command4(0) Command4(1) Command7 Command2 Check2 Frame1 Combo2 Command6 Combo1 "
              "Text2 Text1 Combo3 Command5 Check3 Text3");
}

} // namespace
