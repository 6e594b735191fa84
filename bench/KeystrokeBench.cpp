// Typing into a body of 64,000 characters against the same keystroke into
// bare text fields: with the preview panel hidden, and shown; and typing a
// pictograph into a body full of pictographs and marked characters.
#include "BenchWindow.h"
#include "Ratio.h"

#include "gui/compose/BodyEdit.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// 64,000 characters of a mail body (a line break counts 2), in lines of
// mixed Japanese and ASCII text.
QString largeBody(const QString &line)
{
    QString body = line.repeated(64000 / static_cast<int>(line.size()) + 1);
    return body.left(64000);
}

struct Typing {
    QString bodyLine;
    QString character;
};
const Typing kJapanese{u"明日の待ち合わせは駅前のカフェで10時にしましょう。OK?\r\n"_qs, u"あ"_qs};
// Lines with a pictograph (F89F) and characters code page 932 lacks, which
// the body field marks; the pictograph is typed.
const Typing kPictographs{u"明日は\uE63Eのち\u2601\uFE0F、カフェで10時にしましょう。OK?\r\n"_qs, u"\uE63E"_qs};

// The caret in the middle of the body, where an edit shifts half the text.
void caretToMiddle(QPlainTextEdit *field)
{
    QTextCursor cursor = field->textCursor();
    cursor.setPosition(field->document()->characterCount() / 2);
    field->setTextCursor(cursor);
}

void horonamiKeystroke(benchmark::State &state, bool preview, const Typing &typing = kJapanese)
{
    BenchWindow b;
    b.ui().previewPanel->setVisible(preview);
    QCoreApplication::processEvents(); // lays the panel out
    b.ui().bodyField->setBodyText(largeBody(typing.bodyLine));
    caretToMiddle(b.ui().bodyField);
    QCoreApplication::processEvents(); // the window's first painting is not a keystroke's
    ratio::measure(state, [&] { typeAndErase(b.ui().bodyField, typing.character); });
}

void bareKeystroke(benchmark::State &state, bool copyIntoSecondField, const Typing &typing = kJapanese)
{
    // The same size and font as the body field: only the program's own work
    // on a keystroke differs.
    const auto [bodyLook, previewLook] = fieldLooks();
    QPlainTextEdit field;
    field.resize(bodyLook.size);
    field.setFont(bodyLook.font);
    // Shown first and then filled, in the same order as the body field.
    field.show();
    field.setPlainText(largeBody(typing.bodyLine).replace(u"\r\n"_qs, u"\n"_qs));
    caretToMiddle(&field);

    // Two text fields are the floor with the preview shown: every change of
    // the first is copied into the second, edit by edit.
    QPlainTextEdit copy;
    copy.resize(previewLook.size);
    copy.setFont(previewLook.font);
    if (copyIntoSecondField) {
        copy.show();
        copy.setPlainText(field.toPlainText());
        QObject::connect(field.document(), &QTextDocument::contentsChange, &copy,
                         [&](int position, int removed, int added) {
                             QTextCursor source(field.document());
                             source.setPosition(position);
                             source.setPosition(position + added, QTextCursor::KeepAnchor);
                             QTextCursor target(copy.document());
                             target.setPosition(position);
                             target.setPosition(std::min(position + removed, copy.document()->characterCount() - 1),
                                                QTextCursor::KeepAnchor);
                             target.insertText(source.selectedText());
                         });
    }
    QCoreApplication::processEvents();
    ratio::measure(state, [&] { typeAndErase(&field, typing.character); });
}

const bool registeredHidden = ratio::add(
    "keystroke", [](benchmark::State &s) { horonamiKeystroke(s, false); },
    [](benchmark::State &s) { bareKeystroke(s, false); });

const bool registeredShown = ratio::add(
    "keystroke with preview", [](benchmark::State &s) { horonamiKeystroke(s, true); },
    [](benchmark::State &s) { bareKeystroke(s, true); });

const bool registeredPictograph = ratio::add(
    "pictograph keystroke", [](benchmark::State &s) { horonamiKeystroke(s, false, kPictographs); },
    [](benchmark::State &s) { bareKeystroke(s, false, kPictographs); });

} // namespace
