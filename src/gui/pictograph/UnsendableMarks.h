#pragma once

#include <QObject>
#include <QTextBlock>
#include <QTimer>

#include <utility>

class QPlainTextEdit;

/// Marks the characters of a text field that code page 932 cannot hold,
/// which would be sent as "?": drawn over the text (extra selections), the
/// text itself untouched. It keeps their number in step with every edit,
/// weighing only the changed lines, and draws the marks of the lines in
/// view only, so a keystroke costs the same whatever the text's length.
class UnsendableMarks : public QObject {
    Q_OBJECT
public:
    explicit UnsendableMarks(QPlainTextEdit *field);

    /// How many "?" encoding the field's text would write.
    int count() const { return count_; }

signals:
    /// The number of unsendable characters changed.
    void countChanged(int count);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onContentsChange(int position, int removed, int added);
    void recount();
    void setCount(int count);
    /// The first and the last line in view (the last one invalid when the
    /// text ends in view).
    std::pair<QTextBlock, QTextBlock> blocksInView() const;
    void markLinesInView();

    QPlainTextEdit *field_;
    int count_ = 0;
    int blockCount_ = 1;
    /// Marks are drawn once the field has laid out its edit or scroll.
    QTimer markTimer_;
};
