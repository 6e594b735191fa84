#pragma once

#include "core/compose/CharCount.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <optional>

/// The body field. It keeps the body's count in step with every edit (each
/// line's byte length is kept with the line), so that a keystroke costs the
/// same whatever the body's length: nothing on that path copies the whole
/// text out of the document.
///
/// Positions, lengths and texts of the public functions are in the body's
/// CR LF form (a line break counts 2); the document holds one character per
/// break.
class BodyEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit BodyEdit(QWidget *parent = nullptr);

    /// The body in its CR LF form.
    QString bodyText() const;
    /// Replaces the whole body (CR LF, CR or LF breaks) as one step of the
    /// field's undo history; only the part that differs is replaced, and an
    /// equal text changes nothing. Control characters other than TAB and
    /// the breaks are left out: returns how many were.
    int setBodyText(const QString &body);
    /// The field's own text, one "\n" per break.
    QString fieldText() const;
    /// Replaces the whole text with `field` in the field's own form, holding
    /// no control characters but TAB and "\n", as setBodyText does.
    void setFieldText(const QString &field);
    /// `length` characters of the field's text from `position`.
    QString fieldText(int position, int length) const;

    /// The body's count, kept in step with the edits.
    CharCount count() const { return {bytes_ / 2.0, bodyLength()}; }
    int bodyLength() const;

    int bodyCursorPosition() const;
    /// Puts the caret at a body position (no selection).
    void setBodyCursorPosition(int position);
    int bodySelectionStart() const;
    int bodySelectionLength() const;
    QString selectedBodyText() const;
    /// Selects `length` body characters from `start`.
    void setBodySelection(int start, int length);
    /// Replaces the selection (or inserts at the caret) as one step of the
    /// undo history, without control characters.
    void replaceBodySelection(const QString &text);

    /// Undoes or redoes one step of the body's history (also Ctrl+Z,
    /// Ctrl+Shift+Z, Ctrl+Y and the context menu).
    void undoStep();
    void redoStep();
    /// True while an undo or redo changes the body: the change handling
    /// then asks no questions.
    bool isReplayingHistory() const { return replaying_; }

signals:
    /// Raised once for every change of the text, also by program code, after
    /// the count is up to date.
    void bodyChanged();
    /// The edit that was just made to the field text (field positions):
    /// `removed` characters at `position` were replaced by `added` ones,
    /// which fieldText(position, added) gives.
    void fieldEdited(int position, int removed, int added);
    /// A key is pressed; set *swallow to keep the field from handling it.
    void keyDown(QKeyEvent *event, bool *swallow);
    /// A key is released.
    void keyUp(QKeyEvent *event);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    enum class LastLineFirst { No, Yes };
    /// Replaces the cursor's selection by field text as one undo step that
    /// later typing does not join. A text going into an empty field has its
    /// last line laid out first (LastLineFirst::Yes), so that typing in a
    /// long text does not make the field measure all its lines again.
    void replaceAsOneStep(QTextCursor &cursor, const QString &fieldText, LastLineFirst lastLineFirst = LastLineFirst::No);
    /// Lays out the last line that holds text, before the layout hears of
    /// the edit under way.
    void layOutLastLine();
    void replayHistory(bool undo);
    /// Puts the caret at the start and keeps it there while text is
    /// inserted there (true), or lets it move with insertions again (false).
    void keepCaretAtStart(bool keep);
    /// The body position of a field position and back.
    int toBodyPosition(int fieldPosition) const;
    int toFieldPosition(int bodyPosition) const;
    void onContentsChange(int position, int removed, int added);
    /// Weighs the lines from `first` to `last` anew.
    void weighLines(QTextBlock first, const QTextBlock &last);
    void onTextChanged();
    void recount();
    /// Lets the caret's line keep its shaped glyphs.
    void keepCaretLineShaped();

    /// Code page 932 bytes of the body, a break counting 2 (CR LF).
    int bytes_ = 0;
    int blockCount_ = 1;
    bool replaying_ = false;
    /// A cursor in the line that keeps its shaped glyphs.
    QTextCursor shapedLine_;
    /// The field's text as last read, until the next change.
    mutable std::optional<QString> fieldTextCopy_;
};
