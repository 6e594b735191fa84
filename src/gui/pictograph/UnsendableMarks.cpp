#include "gui/pictograph/UnsendableMarks.h"

#include "core/platform/Cp932.h"
#include "gui/platform/LineTexts.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QVector>

#include <algorithm>
#include <utility>

namespace {

// A line's number of unsendable code points, kept with the line. Only lines
// that have some keep one: most lines have none, and a command over a long
// text would otherwise make and free one for every line.
class LineCount : public QTextBlockUserData {
public:
    explicit LineCount(int n) : n(n) {}
    int n;
};

int lineCount(const QTextBlock &block)
{
    const auto *kept = static_cast<const LineCount *>(block.userData());
    return kept ? kept->n : 0;
}

// Counts the lines from `first` to `last` anew.
void countLines(const QTextBlock &first, const QTextBlock &last)
{
    forEachLineText(first, last, [](QTextBlock block, QStringView line) {
        const int n = cp932::questionMarks(line);
        block.setUserData(n > 0 ? new LineCount(n) : nullptr);
    });
}

QTextCharFormat markFormat()
{
    QTextCharFormat format;
    format.setBackground(QColor(255, 224, 224));
    format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

} // namespace

UnsendableMarks::UnsendableMarks(QPlainTextEdit *field) : QObject(field), field_(field)
{
    markTimer_.setSingleShot(true);
    markTimer_.setInterval(0);
    connect(&markTimer_, &QTimer::timeout, this, &UnsendableMarks::markLinesInView);
    connect(field->document(), &QTextDocument::contentsChange, this, &UnsendableMarks::onContentsChange);
    connect(field->verticalScrollBar(), &QScrollBar::valueChanged, &markTimer_, qOverload<>(&QTimer::start));
    field->installEventFilter(this);
    field->viewport()->installEventFilter(this);
    countLines(field->document()->begin(), field->document()->lastBlock());
    recount();
}

bool UnsendableMarks::eventFilter(QObject *watched, QEvent *event)
{
    // Other lines come into view.
    if (event->type() == QEvent::Resize || event->type() == QEvent::FontChange)
        markTimer_.start();
    return QObject::eventFilter(watched, event);
}

void UnsendableMarks::recount()
{
    QTextDocument *doc = field_->document();
    blockCount_ = doc->blockCount();
    int total = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        total += lineCount(block);
    setCount(total);
}

void UnsendableMarks::onContentsChange(int position, int, int added)
{
    QTextDocument *doc = field_->document();
    const int end = doc->characterCount() - 1;
    const QTextBlock first = doc->findBlock(std::min(position, end));
    const QTextBlock last = doc->findBlock(std::min(position + added, end));
    if (doc->blockCount() == blockCount_ && first == last) {
        // An edit inside one line: only that line's count changes.
        const int before = lineCount(first);
        countLines(first, first);
        setCount(count_ + lineCount(first) - before);
    } else {
        countLines(first, last);
        recount();
    }
    if (count_ > 0 || !field_->extraSelections().isEmpty())
        markTimer_.start();
}

void UnsendableMarks::setCount(int count)
{
    if (count == count_)
        return;
    count_ = count;
    emit countChanged(count);
}

// The field scrolls by lines, the scroll bar's value being its top line:
// the lines in view are found by their numbers, without laying out or
// shaping any of them (which a line of pictographs makes costly). A line
// taller than the font's is counted as one of its height, so that the
// bottom found may lie a little below the view.
std::pair<QTextBlock, QTextBlock> UnsendableMarks::blocksInView() const
{
    const QTextDocument *doc = field_->document();
    const int top = field_->verticalScrollBar()->value();
    const int lines = field_->viewport()->height() / std::max(1, field_->fontMetrics().lineSpacing()) + 1;
    return {doc->findBlockByLineNumber(top), doc->findBlockByLineNumber(top + lines)};
}

void UnsendableMarks::markLinesInView()
{
    QVector<QPair<int, int>> ranges;
    if (count_ > 0) {
        const auto [top, bottom] = blocksInView();
        for (QTextBlock block = top; block.isValid(); block = block.next()) {
            if (lineCount(block) > 0) {
                const QString text = block.text();
                for (int i = 0; i < text.size(); ++i) {
                    if (cp932::holds(text[i].unicode()))
                        continue;
                    int j = i + 1;
                    while (j < text.size() && !cp932::holds(text[j].unicode()))
                        ++j;
                    ranges.append({block.position() + i, j - i});
                    i = j;
                }
            }
            if (block == bottom)
                break;
        }
    }
    // The drawn marks move with the text they cover, so an edit elsewhere
    // leaves them right and costs no repainting.
    QVector<QPair<int, int>> drawn;
    for (const QTextEdit::ExtraSelection &mark : field_->extraSelections())
        drawn.append({mark.cursor.selectionStart(), mark.cursor.selectionEnd() - mark.cursor.selectionStart()});
    if (ranges == drawn)
        return;
    QList<QTextEdit::ExtraSelection> selections;
    const QTextCharFormat format = markFormat();
    for (const auto &[start, length] : ranges) {
        QTextCursor cursor(field_->document());
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        selections.append({cursor, format});
    }
    field_->setExtraSelections(selections);
}
