#include "gui/compose/BodyEdit.h"
#include "gui/pictograph/UnsendableMarks.h"
#include "core/platform/Cp932.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

// The field holds "ab\ncd\n\ne"; the body is "ab" CR LF "cd" CR LF CR LF "e".
class BodyPositions : public ::testing::Test {
protected:
    void SetUp() override { field.setBodyText(u"ab\r\ncd\r\n\r\ne"_qs); }

    int fieldCaret() const { return field.textCursor().position(); }
    void putFieldCaret(int position)
    {
        QTextCursor cursor = field.textCursor();
        cursor.setPosition(position);
        field.setTextCursor(cursor);
    }

    BodyEdit field;
};

TEST_F(BodyPositions, MapBetweenFieldAndBodyBothWays)
{
    const int pairs[][2] = {{0, 0}, {2, 2}, {3, 4}, {5, 6}, {6, 8}, {7, 10}, {8, 11}};
    for (const auto &[fieldPosition, bodyPosition] : pairs) {
        putFieldCaret(fieldPosition);
        EXPECT_EQ(field.bodyCursorPosition(), bodyPosition) << fieldPosition;
        field.setBodyCursorPosition(bodyPosition);
        EXPECT_EQ(fieldCaret(), fieldPosition) << bodyPosition;
    }
}

TEST_F(BodyPositions, BetweenCrAndLfIsAfterTheBreakAndBeyondTheEndIsTheEnd)
{
    field.setBodyCursorPosition(3);
    EXPECT_EQ(fieldCaret(), 3);
    field.setBodyCursorPosition(99);
    EXPECT_EQ(fieldCaret(), 8);
    field.setBodyCursorPosition(-5);
    EXPECT_EQ(fieldCaret(), 0);
}

TEST_F(BodyPositions, SelectionsCountEachBreakTwice)
{
    field.setBodySelection(1, 6); // "b" CR LF "cd" CR
    EXPECT_EQ(field.bodySelectionStart(), 1);
    EXPECT_EQ(field.bodySelectionLength(), 7); // the half-selected break is taken whole
    EXPECT_EQ(field.selectedBodyText(), u"b\r\ncd\r\n"_qs);
    field.replaceBodySelection(u"X"_qs);
    EXPECT_EQ(field.bodyText(), u"aX\r\ne"_qs);
}

// The first text in a field without a history (a file opened at start, the
// first draft loaded) is one undo step like any later one: undo empties the
// field and its count, redo brings the text back.
TEST(BodyHistory, AFirstTextUndoesBackToAnEmptyField)
{
    BodyEdit field;
    const QString text = u"一行目\r\n二行目\r\n"_qs;
    field.setBodyText(text);
    ASSERT_TRUE(field.document()->isUndoAvailable());
    field.undoStep();
    EXPECT_EQ(field.bodyText(), QString());
    EXPECT_EQ(field.count().weighted, 0);
    field.redoStep();
    EXPECT_EQ(field.bodyText(), text);
    EXPECT_EQ(field.count().weighted, 8);
}

// A new text, the first or a later one, is read from its start: the caret
// waits there with nothing selected, so that typing adds to the text.
TEST(BodyHistory, ANewTextLeavesTheCaretAtItsStartWithNothingSelected)
{
    BodyEdit field;
    for (const QString &text : {u"一行目\r\n二行目"_qs, u"別の\r\n本文"_qs}) {
        field.setBodyText(text);
        EXPECT_EQ(field.textCursor().position(), 0);
        EXPECT_FALSE(field.textCursor().hasSelection());
    }
}

// The body's byte count and the unsendable marks keep per-line records in
// step with each edit; after each kind of edit they equal a count of the
// whole text from scratch. Lines with nothing unsendable, empty lines and
// surrogate pairs are mixed, and the changes cover both few and many lines.
TEST(BodyCounters, MatchAWholeCountAfterEveryKindOfEdit)
{
    BodyEdit field;
    UnsendableMarks marks(&field);
    const auto expectWholeCount = [&](const char *step) {
        const QString body = field.bodyText();
        EXPECT_EQ(field.count().weighted, cp932::byteLength(body) / 2.0) << step;
        EXPECT_EQ(marks.count(), cp932::questionMarks(body)) << step;
    };
    QString text;
    for (int i = 0; i < 40; ++i)
        text += i % 5 == 0 ? u"\r\n"_qs : u"行%1 é\U0001F600ab\r\n"_qs.arg(i).left(4 + i % 9) + u"\r\n"_qs;
    field.setBodyText(text);
    expectWholeCount("new text");
    field.setFieldText(field.fieldText().remove(u'a'));
    expectWholeCount("filter over many lines");
    QTextCursor cursor(field.document());
    cursor.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, 3);
    cursor.insertText(u"éé"_qs);
    expectWholeCount("typing in a line");
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
    cursor.removeSelectedText();
    expectWholeCount("joining lines");
    field.undoStep();
    expectWholeCount("undo");
    field.setBodyText(QString());
    expectWholeCount("empty");
}

} // namespace
