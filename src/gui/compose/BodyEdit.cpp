#include "gui/compose/BodyEdit.h"

#include "core/compose/BodyText.h"
#include "core/platform/ControlCharacters.h"
#include "core/platform/Cp932.h"
#include "gui/platform/LineTexts.h"

#include <QAbstractTextDocumentLayout>
#include <QAbstractUndoItem>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace {

// An undo entry that does nothing. Placed last in a command's edit block, it
// keeps the typing that follows out of the command's undo step: the document
// merges an insertion into an insertion just before it.
class StepEnd : public QAbstractUndoItem {
public:
    void undo() override {}
    void redo() override {}
};

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
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &BodyEdit::keepCaretLineShaped);
    keepCaretLineShaped();
}

// A keystroke lays out the caret's line, places the caret in it, draws the
// line and draws the caret: four shapings of the same text, as the field
// throws a line's shaped glyphs away after each use, and each a costly one
// for a line of pictographs, whose pictures are decoded to be measured. The
// caret's line keeps its glyphs from one use to the next instead; the line
// the caret left lets them go when it is next drawn or laid out.
void BodyEdit::keepCaretLineShaped()
{
    const QTextBlock line = textCursor().block();
    const QTextBlock kept = shapedLine_.block();
    if (kept.isValid() && kept != line)
        kept.layout()->setCacheEnabled(false);
    line.layout()->setCacheEnabled(true);
    shapedLine_ = QTextCursor(line);
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
    fieldTextCopy_.reset();
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
        weighLines(first, last);
        recount();
    }
    emit fieldEdited(std::min(position, end), removed, std::min(position + added, end) - std::min(position, end));
}

void BodyEdit::weighLines(QTextBlock first, const QTextBlock &last)
{
    forEachLineText(first, last, [](QTextBlock block, QStringView line) { block.setUserState(cp932::byteLength(line)); });
}

void BodyEdit::onTextChanged() { emit bodyChanged(); }

QString BodyEdit::fieldText() const
{
    // A command reads the text and then puts its result back, which reads
    // it again: the copy serves until the next change.
    if (!fieldTextCopy_)
        fieldTextCopy_ = normalizedFieldText(document()->toRawText());
    return *fieldTextCopy_;
}

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

int BodyEdit::setBodyText(const QString &body)
{
    int leftOut = 0;
    setFieldText(controlcharacters::without(bodytext::toField(body), &leftOut));
    return leftOut;
}

void BodyEdit::setFieldText(const QString &field)
{
    const QString current = fieldText();
    // Only the differing middle is replaced: the undo step holds no more than
    // it, and the count weighs only the lines it touches.
    const bodytext::ChangedRange same = bodytext::changedRange(current, field);
    if (same.prefix == current.size() && current.size() == field.size())
        return;
    // A new text (a file, a mail, a new mail) is read from its start: the
    // caret waits there while the text goes in, and the change handling may
    // move it on. After a partial change it stays with the text it was in.
    const bool whole = same.prefix == 0 && same.suffix == 0;
    if (whole)
        keepCaretAtStart(true);
    QTextCursor cursor(document());
    // Inside an edit block a cursor put on a line does not lay the line out
    // to find its x: the old line would be shaped only to be replaced.
    cursor.beginEditBlock();
    cursor.setPosition(static_cast<int>(same.prefix));
    cursor.setPosition(static_cast<int>(current.size() - same.suffix), QTextCursor::KeepAnchor);
    replaceAsOneStep(cursor, field.mid(same.prefix, field.size() - same.prefix - same.suffix),
                     current.isEmpty() ? LastLineFirst::Yes : LastLineFirst::No);
    cursor.endEditBlock();
    if (whole)
        keepCaretAtStart(false);
}

// The field's layout keeps the width of the widest line it has laid out and
// that line's number; when that line is laid out again narrower, it measures
// every line to find the widest anew. A line laid out while the insertion is
// still pending is numbered as in the new text, and the layout, hearing of
// the insertion afterwards, moves that number on by the lines added: past the
// end, where no edit reaches it. Once the field's width changes (the scroll
// bar a long text brings), the widest width is the field's and no line is
// ever measured again. Without this the widest line is one of those laid out
// on showing the text, and as every full line is as wide, typing into any of
// them and erasing measures all lines on each Backspace.
void BodyEdit::layOutLastLine()
{
    QTextBlock last = document()->lastBlock();
    // An empty line is no wider than the empty field was.
    while (last.length() <= 1 && last.previous().isValid())
        last = last.previous();
    document()->documentLayout()->blockBoundingRect(last);
}

void BodyEdit::keepCaretAtStart(bool keep)
{
    QTextCursor caret = textCursor();
    // Only the caret's position keeps its place while text goes in there;
    // its anchor moves on with the text, which would leave the whole new
    // text selected. A caret that the change handling did not move is put
    // back at the start with nothing selected.
    if (keep || caret.position() == 0)
        caret.setPosition(0);
    caret.setKeepPositionOnInsert(keep);
    setTextCursor(caret);
}

void BodyEdit::replaceAsOneStep(QTextCursor &cursor, const QString &fieldText, LastLineFirst lastLineFirst)
{
    cursor.beginEditBlock();
    cursor.insertText(fieldText);
    if (lastLineFirst == LastLineFirst::Yes)
        layOutLastLine();
    document()->appendUndoItem(new StepEnd);
    // The change is reported once, when the outermost edit block ends.
    cursor.endEditBlock();
}

void BodyEdit::undoStep() { replayHistory(true); }

void BodyEdit::redoStep() { replayHistory(false); }

// The document takes the step itself: the caret moves with the text it is
// in, and the view follows it only when it moved, so that undoing a
// command over the whole body does not lay out and show its far end.
void BodyEdit::replayHistory(bool undo)
{
    const int caret = textCursor().position();
    replaying_ = true;
    if (undo)
        document()->undo();
    else
        document()->redo();
    replaying_ = false;
    if (textCursor().position() != caret)
        ensureCursorVisible();
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
    replaceAsOneStep(cursor, controlcharacters::without(bodytext::toField(text)));
    setTextCursor(cursor);
}

void BodyEdit::keyPressEvent(QKeyEvent *event)
{
    bool swallow = false;
    emit keyDown(event, &swallow);
    if (swallow)
        return;
    // Undo and redo go through the body's own steps, as the edit menu does.
    // Their keys all hold Ctrl or Alt; plain typing does not look them up.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        if (event->matches(QKeySequence::Undo)) {
            undoStep();
            return;
        }
        if (event->matches(QKeySequence::Redo)) {
            redoStep();
            return;
        }
    }
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
    // and a line separator would be a break the count cannot see. A paste or
    // a drop is one undo step.
    if (!source->hasText())
        return;
    QTextCursor cursor = textCursor();
    replaceAsOneStep(cursor, controlcharacters::without(normalizedFieldText(bodytext::toField(source->text()))));
    setTextCursor(cursor);
}

void BodyEdit::inputMethodEvent(QInputMethodEvent *event)
{
    int leftOut = 0;
    const QString commit = controlcharacters::without(event->commitString(), &leftOut);
    if (leftOut == 0) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent kept(event->preeditString(), event->attributes());
    kept.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&kept);
}

void BodyEdit::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    // The menu's undo and redo take the body's own steps too.
    for (QAction *standard : menu->actions()) {
        const bool undo = standard->objectName() == u"edit-undo"_qs;
        if (!undo && standard->objectName() != u"edit-redo"_qs)
            continue;
        auto *own = new QAction(standard->icon(), standard->text(), menu.get());
        own->setEnabled(standard->isEnabled());
        connect(own, &QAction::triggered, this, undo ? &BodyEdit::undoStep : &BodyEdit::redoStep);
        menu->insertAction(standard, own);
        menu->removeAction(standard);
    }
    menu->exec(event->globalPos());
}
