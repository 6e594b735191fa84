// The composition tools against bare Qt floors: a keystroke with the
// vertical preview on, the "SP抜き" filter, the filter with its undo, and
// the count command.
#include "BenchWindow.h"
#include "Ratio.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/PhoneScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// A body of 200 characters with line breaks, as a short mail has them.
QString shortMail()
{
    QString body;
    while (body.size() < 200)
        body += u"今日は、駅前のラーメン屋でmeetingです。\r\n"_qs;
    return body.left(200);
}

void verticalKeystroke(benchmark::State &state)
{
    BenchWindow b;
    b.ui().previewPanel->show();
    QCoreApplication::processEvents(); // lays the panel out
    b.ui().verticalPreviewSwitch->setChecked(true);
    b.ui().bodyField->setBodyText(shortMail());
    b.ui().bodyField->moveCursor(QTextCursor::End);
    ratio::measure(state, [&] { typeAndErase(b.ui().bodyField); });
}

void verticalKeystrokeFloor(benchmark::State &state)
{
    // The layout's length, as the preview box shows it for this body.
    BenchWindow b;
    b.ui().verticalPreviewSwitch->setChecked(true);
    b.ui().bodyField->setBodyText(shortMail());
    const QString layout = b.ui().previewBox->toPlainText();

    QPlainTextEdit field;
    QPlainTextEdit preview;
    field.setPlainText(shortMail().replace(u"\r\n"_qs, u"\n"_qs));
    field.moveCursor(QTextCursor::End);
    QObject::connect(&field, &QPlainTextEdit::textChanged, &preview, [&] { preview.setPlainText(layout); });
    field.show();
    preview.show();
    ratio::measure(state, [&] { typeAndErase(&field); });
}

// 64,000 characters in 800 lines, 16,000 of them spaces: each line is 19
// times "abc " and "a ", then CR LF.
QString spacedBody() { return (u"abc "_qs.repeated(19) + u"a \r\n"_qs).repeated(800); }

void spaceFilter(benchmark::State &state)
{
    BenchWindow b;
    const QString body = spacedBody();
    ratio::measure(
        state, [&] { b.ui().filterEntries[5]->trigger(); }, [&] { b.ui().bodyField->setBodyText(body); });
}

// The spaced body in a bare field's form, and the same without its spaces.
struct SpacedTexts {
    QString text = spacedBody().replace(u"\r\n"_qs, u"\n"_qs);
    QString filtered = QString(text).remove(u' ');
};

// Puts `text` over the whole text of a bare field as one edit.
void replaceWholeText(QPlainTextEdit &field, const QString &text)
{
    QTextCursor cursor(field.document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
}

// The filtered text put over the whole text of a bare field as one edit.
void spaceFilterFloor(benchmark::State &state)
{
    QPlainTextEdit field;
    field.show();
    const SpacedTexts texts;
    ratio::measure(
        state, [&] { replaceWholeText(field, texts.filtered); }, [&] { field.setPlainText(texts.text); });
}

// "SP抜き" on 64,000 characters and Ctrl+Z, one undo step each way, against
// the same two replacements in a bare text field of the same look: the
// filtered text put over the whole text, and undone. Each round ends with
// the repaint the user waits for; both views stay at the top of the text, so
// that both draw the same lines.
void undoFilter(benchmark::State &state)
{
    BenchWindow b;
    BodyEdit *body = b.ui().bodyField;
    body->setBodyText(spacedBody());
    const auto filterAndUndo = [&] {
        b.ui().filterEntries[5]->trigger();
        body->undoStep();
        QCoreApplication::processEvents();
    };
    ratio::measure(state, filterAndUndo);
}

void undoFilterFloor(benchmark::State &state)
{
    const FieldLook look = fieldLooks().first;
    QPlainTextEdit field;
    field.resize(look.size);
    field.setFont(look.font);
    field.show();
    const SpacedTexts texts;
    field.setPlainText(texts.text);
    const auto replaceAndUndo = [&] {
        replaceWholeText(field, texts.filtered);
        field.document()->undo();
        QCoreApplication::processEvents();
    };
    ratio::measure(state, replaceAndUndo);
}

// 64,000 characters of a mail: kana, kanji, letters, spaces and breaks.
QString longMail() { return u"今日は<b>Horo</b>（駅前） ab.\r\n"_qs.repeated(2667).left(64000); }

void countCommandCase(benchmark::State &state)
{
    BenchWindow b;
    b.ui().bodyField->setBodyText(longMail());
    for (const LimitFlag flag : {LimitFlag::SkipBlanks, LimitFlag::SkipLineBreaks, LimitFlag::SkipBrackets,
                                 LimitFlag::SkipTags, LimitFlag::SkipHoro, LimitFlag::Classify})
        b.ui().limitFlags[flag]->setChecked(true);
    ratio::measure(state, [&] { b.ui().countButton->click(); });
}

void countCommandFloor(benchmark::State &state)
{
    const QString body = longMail();
    const auto count = [&] {
        int counted = 0;
        for (const QChar c : body) {
            counted += c.unicode() > 0x7f ? 2 : 1;
            QCoreApplication::processEvents();
        }
        benchmark::DoNotOptimize(counted);
    };
    ratio::measure(state, count);
}

const bool registered = ratio::add("vertical keystroke", verticalKeystroke, verticalKeystrokeFloor)
                        && ratio::add("filter", spaceFilter, spaceFilterFloor)
                        && ratio::add("undo", undoFilter, undoFilterFloor)
                        && ratio::add("count command", countCommandCase, countCommandFloor);

} // namespace
