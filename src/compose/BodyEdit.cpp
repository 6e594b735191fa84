#include "compose/BodyEdit.h"

#include "compose/BodyText.h"
#include "platform/Cp932.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

// The document's separators, as the field text keeps them.
QString normalizedFieldText(QString text)
{
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

} // namespace

BodyEdit::BodyEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChange, this, &BodyEdit::onContentsChange);
    connect(this, &QPlainTextEdit::textChanged, this, &BodyEdit::onTextChanged);
}

namespace {

// A line's byte length, kept as the block's user state (-1 until known).
int lineBytes(QTextBlock block)
{
    if (block.userState() < 0)
        block.setUserState(cp932::byteLength(block.text()));
    return block.userState();
}

} // namespace

void BodyEdit::recount()
{
    QTextDocument *doc = document();
    blockCount_ = doc->blockCount();
    bytes_ = 2 * (blockCount_ - 1);
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        bytes_ += lineBytes(block);
}

void BodyEdit::onContentsChange(int position, int removed, int added)
{
    if (replacingAll_)
        return;
    QTextDocument *doc = document();
    // The document may count its closing separator in the change.
    const int end = doc->characterCount() - 1;
    const QTextBlock first = doc->findBlock(std::min(position, end));
    const QTextBlock last = doc->findBlock(std::min(position + added, end));
    if (doc->blockCount() == blockCount_ && first == last && first.userState() >= 0) {
        // An edit inside one line: only that line's bytes change.
        const int before = first.userState();
        QTextBlock line = first;
        line.setUserState(-1);
        bytes_ += lineBytes(line) - before;
    } else {
        // Lines were split, joined or replaced: weigh the changed lines anew
        // and add up the lines' kept byte lengths.
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            block.setUserState(-1);
            if (block == last)
                break;
        }
        recount();
    }
    emit fieldEdited(std::min(position, end), removed, std::min(position + added, end) - std::min(position, end));
}

void BodyEdit::onTextChanged()
{
    if (!replacingAll_)
        emit bodyChanged();
}

QString BodyEdit::fieldText() const { return normalizedFieldText(document()->toRawText()); }

QString BodyEdit::fieldText(int position, int length) const
{
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    return normalizedFieldText(cursor.selectedText());
}

QString BodyEdit::bodyText() const { return bodytext::toBody(fieldText()); }

int BodyEdit::bodyLength() const
{
    // Each break is one character of the field and two of the body.
    return document()->characterCount() - 1 + blockCount_ - 1;
}

void BodyEdit::setBodyText(const QString &body)
{
    const int oldLength = document()->characterCount() - 1;
    const QString field = bodytext::toField(body);
    replacingAll_ = true;
    setPlainText(field);
    replacingAll_ = false;
    recount();
    emit fieldEdited(0, oldLength, document()->characterCount() - 1);
    emit bodyChanged();
}

int BodyEdit::toBodyPosition(int fieldPosition) const
{
    // The block number is the number of breaks before the position.
    fieldPosition = std::clamp(fieldPosition, 0, document()->characterCount() - 1);
    return fieldPosition + document()->findBlock(fieldPosition).blockNumber();
}

int BodyEdit::toFieldPosition(int bodyPosition) const
{
    if (bodyPosition <= 0)
        return 0;
    if (bodyPosition >= bodyLength())
        return document()->characterCount() - 1;
    // Block k starts at body position start(k) + 2k... find the last block
    // that starts at or before the body position.
    int low = 0;
    int high = document()->blockCount() - 1;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (document()->findBlockByNumber(mid).position() + mid <= bodyPosition)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = document()->findBlockByNumber(low);
    const int offset = bodyPosition - (block.position() + low);
    // An offset past the block's text points into its CR LF: after the break.
    return block.position() + std::min(offset, block.length());
}

int BodyEdit::bodyCursorPosition() const { return toBodyPosition(textCursor().position()); }

void BodyEdit::setBodyCursorPosition(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(toFieldPosition(position));
    setTextCursor(cursor);
}

int BodyEdit::bodySelectionStart() const { return toBodyPosition(textCursor().selectionStart()); }

int BodyEdit::bodySelectionLength() const
{
    const QTextCursor cursor = textCursor();
    return toBodyPosition(cursor.selectionEnd()) - toBodyPosition(cursor.selectionStart());
}

QString BodyEdit::selectedBodyText() const
{
    return bodytext::toBody(normalizedFieldText(textCursor().selectedText()));
}

void BodyEdit::setBodySelection(int start, int length)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(toFieldPosition(start));
    cursor.setPosition(toFieldPosition(start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void BodyEdit::replaceBodySelection(const QString &text)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(bodytext::toField(text));
    setTextCursor(cursor);
}

void BodyEdit::keyPressEvent(QKeyEvent *event)
{
    bool swallow = false;
    emit keyDown(event, &swallow);
    if (swallow)
        return;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() != Qt::NoModifier) {
        // Shift+Enter would insert a line separator; every break is a plain one.
        textCursor().insertText(u"\n"_qs);
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void BodyEdit::keyReleaseEvent(QKeyEvent *event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    emit keyUp(event);
}

void BodyEdit::insertFromMimeData(const QMimeData *source)
{
    // Pasted CR LF or CR breaks would otherwise become two breaks or none,
    // and a line separator would be a break the count cannot see.
    if (source->hasText())
        textCursor().insertText(normalizedFieldText(bodytext::toField(source->text())));
}
