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

int BodyEdit::bytesOf(QStringView text) const
{
    // A break is CR LF on disk: two single bytes.
    return cp932::byteLength(text) + static_cast<int>(text.count(u'\n'));
}

void BodyEdit::resync()
{
    field_ = normalizedFieldText(document()->toRawText());
    bytes_ = bytesOf(field_);
    breaks_ = static_cast<int>(field_.count(u'\n'));
}

void BodyEdit::onContentsChange(int position, int removed, int added)
{
    if (replacingAll_)
        return;
    const int oldLength = static_cast<int>(field_.size());
    const int newLength = document()->characterCount() - 1; // without the final separator
    // The document may report its closing separator as part of the change.
    removed = std::min(removed, oldLength - position);
    added = newLength - (oldLength - removed);
    if (position < 0 || position > oldLength || removed < 0 || added < 0) {
        resync();
        return;
    }
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    const QString inserted = normalizedFieldText(cursor.selectedText());

    // Weigh the changed stretch with one neighbour on each side, so that a
    // surrogate pair torn or joined by the edit is counted right.
    const int from = std::max(0, position - 1);
    const int oldTo = std::min(oldLength, position + removed + 1);
    const int before = bytesOf(QStringView(field_).sliced(from, oldTo - from));
    breaks_ -= static_cast<int>(QStringView(field_).sliced(position, removed).count(u'\n'));
    field_.replace(position, removed, inserted);
    const int newTo = oldTo - removed + added;
    bytes_ += bytesOf(QStringView(field_).sliced(from, newTo - from)) - before;
    breaks_ += static_cast<int>(inserted.count(u'\n'));
    emit fieldEdited(position, removed, inserted);
}

void BodyEdit::onTextChanged()
{
    if (!replacingAll_)
        emit bodyChanged();
}

QString BodyEdit::bodyText() const { return bodytext::toBody(field_); }

void BodyEdit::setBodyText(const QString &body)
{
    const QString field = bodytext::toField(body);
    const int oldLength = static_cast<int>(field_.size());
    replacingAll_ = true;
    setPlainText(field);
    replacingAll_ = false;
    resync();
    emit fieldEdited(0, oldLength, field_);
    emit bodyChanged();
}

int BodyEdit::toBodyPosition(int fieldPosition) const
{
    // The block number is the number of breaks before the position.
    fieldPosition = std::clamp(fieldPosition, 0, static_cast<int>(field_.size()));
    return fieldPosition + document()->findBlock(fieldPosition).blockNumber();
}

int BodyEdit::toFieldPosition(int bodyPosition) const
{
    if (bodyPosition <= 0)
        return 0;
    if (bodyPosition >= bodyLength())
        return static_cast<int>(field_.size());
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
    const QTextCursor cursor = textCursor();
    return bodytext::toBody(
        QStringView(field_).sliced(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
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
    // Pasted CR LF or CR breaks would otherwise become two breaks or none.
    if (source->hasText())
        textCursor().insertText(bodytext::toField(source->text()));
}
