#include "gui/compose/BodyEdit.h"
#include "gui/compose/CountCommand.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString countReport(int size, const QString &count)
{
    return u"大きさは、"_qs + QString::number(size) + u"です。\r\n制限付き文字数は、"_qs + count + u"文字です。"_qs;
}

class CountCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(h.start()); }
    WindowHarness h;
};

TEST_F(CountCommand, ReportsAndWritesTheLabelWithTheButtonDisabledMeanwhile)
{
    h.setBody(u"abcde"_qs);
    h.dialogs.expectMessage(Dialogs::defaultTitle(), countReport(5, u"5"_qs), Dialogs::Buttons::Ok, Dialogs::Icon::None).whileShown([this] {
        EXPECT_FALSE(h.ui().countButton->isEnabled());
    });
    h.ui().countButton->click();
    EXPECT_TRUE(h.ui().countButton->isEnabled());
    EXPECT_EQ(h.ui().countLabel->text(), u"5文字 (5)"_qs);
}

TEST_F(CountCommand, ReadsFlagsAndBodyAsTheyStandAtEachCharacter)
{
    // Events run between characters: the first one is examined before the
    // timer's change, the rest after it.
    h.setBody(u"abcdef"_qs);
    QTimer::singleShot(0, &h.window(), [this] { h.ui().limitFlags[LimitFlag::Classify]->setChecked(true); });
    h.dialogs.expectMessage(Dialogs::defaultTitle(), countReport(6, u"3.5"_qs), Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().countButton->click();

    h.ui().limitFlags[LimitFlag::Classify]->setChecked(false);
    h.setBody(u"abcdef"_qs);
    QTimer::singleShot(0, &h.window(), [this] { h.setBody(u"ab"_qs); });
    h.dialogs.expectMessage(Dialogs::defaultTitle(), countReport(6, u"2"_qs), Dialogs::Buttons::Ok, Dialogs::Icon::None);
    h.ui().countButton->click();
}

TEST_F(CountCommand, SilentWithFlag8)
{
    h.ui().limitFlags[LimitFlag::AutoCount]->setChecked(true);
    h.setBody(u"abc"_qs);
    const QString caption = h.ui().countButton->text();
    h.ui().countButton->click(); // no box expected
    EXPECT_EQ(h.ui().countLabel->text(), u"3文字 (3)"_qs);
    EXPECT_EQ(h.ui().countButton->text(), caption);

    // From Enter: the break Enter then inserts recounts in the change format.
    h.ui().bodyField->moveCursor(QTextCursor::End);
    h.pressInBody(Qt::Key_Return);
    EXPECT_EQ(h.body(), u"abc\r\n"_qs);
    EXPECT_EQ(h.ui().countLabel->text(), u"2.5文字 (5)"_qs);
}

TEST_F(CountCommand, StopsQuietlyWhenTheWindowEndsWhileItRuns)
{
    h.setBody(u"abcdef"_qs);
    QTimer::singleShot(0, &h.window(), [this] { h.window().endProgram(); });
    h.ui().countButton->click(); // no report to a window that is gone
    EXPECT_TRUE(h.window().hasEnded());
}

struct FilterRow {
    int entry;
    const char16_t *body;
    const char16_t *result;
    int changes;
};

class FilterEntryTest : public ::testing::TestWithParam<FilterRow> {};

// A filter changes the body once, as one undo step; a filter that finds
// nothing changes nothing.
TEST_P(FilterEntryTest, OneBodyChangePerFilter)
{
    const FilterRow row = GetParam();
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.setBody(QString::fromUtf16(row.body));
    QSignalSpy changes(h.ui().bodyField, &BodyEdit::bodyChanged);
    h.ui().filterEntries[row.entry]->trigger();
    EXPECT_EQ(h.body(), QString::fromUtf16(row.result));
    EXPECT_EQ(changes.count(), row.changes);
    if (row.changes > 0) {
        h.ui().bodyField->undoStep();
        EXPECT_EQ(h.body(), QString::fromUtf16(row.body));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, FilterEntryTest,
                         ::testing::Values(FilterRow{5, u"a b  c", u"abc", 1},
                                           FilterRow{0, u"a\r\nb\r\n\r\nc", u"abc", 1},
                                           FilterRow{1, u"→x→", u">x>", 1},
                                           FilterRow{3, u"↑", u"\\", 1},
                                           FilterRow{7, u"(a)(", u"a)", 1},
                                           FilterRow{5, u"あ\u3000い", u"あ\u3000い", 0},
                                           FilterRow{6, u"ＡＢ\u3000カ", u"AB ｶ", 1}));

TEST(FilterCommands, CmeroRunsEveryEntryInOrder)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.setBody(u"（あ）\u3000→\r\n×"_qs);
    h.ui().allFiltersEntry->trigger();
    EXPECT_EQ(h.body(), u"あ >x"_qs);
}

TEST(FilterCommands, TheLimitOfferLooksAtTheFilteredBody)
{
    // The filtered body is one change: the limit's offer then cuts it.
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.state().command.pendingLimit = 11;
    h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(true);
    h.ui().limitFlags[LimitFlag::Classify]->setChecked(true);
    QString body;
    for (int i = 0; i < 12; ++i)
        body += u"あ "_qs;
    h.dialogs.expectMessage(u"文字削除"_qs, u"overした分を削除しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::No);
    h.setBody(body);
    h.dialogs.expectMessage(u"文字削除"_qs, u"overした分を削除しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    h.ui().filterEntries[5]->trigger();
    EXPECT_EQ(h.body(), QString(10, u'あ'));
}

} // namespace
