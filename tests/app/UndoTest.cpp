#include "gui/compose/BodyEdit.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

#include <functional>

#include <gtest/gtest.h>

namespace {

const QString kSun = u"\uE63E"_qs;

// Every command that rewrites the body is one step of the body's history:
// the edit menu's undo takes it back whole, the typing before it is still
// there to undo, and redo puts the command's result back.
TEST(Undo, EveryCommandIsOneStepAndTheTypingBeforeItSurvives)
{
    struct Row {
        const char *name;
        QString typed;
        std::function<void(WindowHarness &)> run;
        QString undone; // the body after one undo, when not the typed text
    };
    const Row rows[] = {
        {"SP抜き", u"a b c"_qs, [](WindowHarness &h) { h.ui().filterEntries[5]->trigger(); }, {}},
        {"chain", u"（あ） → b"_qs, [](WindowHarness &h) { h.ui().allFiltersEntry->trigger(); }, {}},
        {"半角変換", u"ＡＢカ"_qs, [](WindowHarness &h) { h.ui().filterEntries[6]->trigger(); }, {}},
        {"vertical layout", u"あいう"_qs, [](WindowHarness &h) { h.ui().textViewLayoutEntry->trigger(); }, {}},
        {"無理矢理横書き", u"あいうえおかきく"_qs, [](WindowHarness &h) { h.ui().horizontalEntry->trigger(); }, {}},
        {"pictograph", u"晴れ"_qs, [](WindowHarness &h) { h.ui().pictographEntries()[0]->trigger(); }, {}},
        {"置換", u"今日は\\hare"_qs, [](WindowHarness &h) { h.ui().substituteEntry->trigger(); }, {}},
        {"絵文字消去", u"今日は"_qs + kSun, [](WindowHarness &h) { h.ui().removePictographsEntry->trigger(); }, {}},
        {"substitution on Enter", u"今日は\\hare"_qs,
         [](WindowHarness &h) {
             h.ui().autoSubstituteEntry->setChecked(true);
             h.pressInBody(Qt::Key_Return);
         },
         u"今日は\\hare\r\n"_qs},
        {"Shift-JIS replacement", u"caf\u00E9"_qs,
         [](WindowHarness &h) {
             h.dialogs.expectMessage(u"Shift-JISにない文字"_qs,
                                     u"Shift-JISにない文字があります。そのままでは「?」になります。\r\n\r\n"
                                     u"\u00E9  (LATIN SMALL LETTER E WITH ACUTE)  →  e\r\n\r\n"
                                     u"置き換えのある文字を置き換えますか？"_qs,
                                     Dialogs::Buttons::YesNo, Dialogs::Icon::Exclamation, Dialogs::Answer::Yes);
             h.window().findChild<QAction *>(u"replaceUnsendable"_qs)->trigger();
         },
         {}},
        {"a file", u"書きかけ"_qs,
         [](WindowHarness &h) {
             h.folder.writeText(u"mail.txt"_qs, u"読み込んだ本文"_qs);
             h.dialogs.expectFileChoice(u"ファイルを開く"_qs, h.folder.file(u"mail.txt"_qs));
             h.ui().chooseFileEntry->trigger();
         },
         {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        WindowHarness h;
        h.folder.writeText(u"Emoji.code"_qs, kSun + u"\thare\r\n"_qs);
        ASSERT_TRUE(h.start());
        h.typeIntoBody(row.typed);
        row.run(h);
        h.dialogs.verifyAllShown();
        const QString after = h.body();
        ASSERT_NE(after, row.typed);

        h.ui().undoEntry->trigger();
        EXPECT_EQ(h.body(), row.undone.isNull() ? row.typed : row.undone);
        EXPECT_TRUE(h.ui().redoEntry->isEnabled());
        ASSERT_TRUE(h.ui().undoEntry->isEnabled()); // the typing is still there
        const QString undone = h.body();
        h.pressInBody(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_NE(h.body(), undone);
        h.ui().redoEntry->trigger();
        h.ui().redoEntry->trigger();
        EXPECT_EQ(h.body(), after);
    }
}

} // namespace
