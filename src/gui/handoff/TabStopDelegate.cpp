#include "gui/handoff/TabStopDelegate.h"

#include "core/platform/Cp932.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

namespace {

constexpr int kMargin = 2;

// Only the first line of a row is shown; the body's breaks stay in the data.
QString firstLine(const QString &text)
{
    return text.section(u'\n', 0, 0).section(u'\r', 0, 0);
}

// The width of a row's first line if every code page 932 byte took one
// cell: exact for the Japanese fixed-pitch fonts, and cheap enough to run
// over every row (one table pass per column, no call per character; Qt's
// character search finds the line end and the TABs).
qreal cellWidth(QStringView text, const QList<QTextOption::Tab> &stops, qreal stopDistance, qreal cell)
{
    qsizetype end = text.size();
    for (const QChar lineEnd : {QChar(u'\n'), QChar(u'\r')}) {
        const qsizetype at = text.first(end).indexOf(lineEnd);
        if (at >= 0)
            end = at;
    }
    const QStringView line = text.first(end);
    qreal x = 0;
    for (qsizetype start = 0;;) {
        const qsizetype tab = line.indexOf(QChar(u'\t'), start);
        x += cp932::unitByteLengthSum(line.sliced(start, (tab < 0 ? line.size() : tab) - start)) * cell;
        if (tab < 0)
            return x;
        qreal next = x + stopDistance;
        for (const QTextOption::Tab &stop : stops) {
            if (stop.position > x) {
                next = stop.position;
                break;
            }
        }
        x = next;
        start = tab + 1;
    }
}

} // namespace

TabStopDelegate::TabStopDelegate(QList<int> dialogUnits, QObject *parent)
    : QStyledItemDelegate(parent), dialogUnits_(std::move(dialogUnits))
{
}

QTextOption TabStopDelegate::textOption(const QFontMetrics &metrics) const
{
    const qreal unit = metrics.averageCharWidth() / 4.0;
    QList<QTextOption::Tab> tabs;
    for (int du : dialogUnits_)
        tabs.append(QTextOption::Tab(du * unit, QTextOption::LeftTab));
    QTextOption option;
    option.setTabs(tabs);
    option.setWrapMode(QTextOption::NoWrap);
    return option;
}

int TabStopDelegate::rowWidth(const QString &text, const QFont &font, const QTextOption &option) const
{
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    qreal width = 0;
    if (line.isValid()) {
        line.setLineWidth(1e6); // one unwrapped line
        width = line.naturalTextWidth();
    }
    layout.endLayout();
    return qCeil(width);
}

void TabStopDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    painter->save();
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    painter->drawText(opt.rect.adjusted(kMargin, 0, -kMargin, 0), firstLine(text),
                      textOption(opt.fontMetrics));
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text = firstLine(opt.text);
    QSize size = QStyledItemDelegate::sizeHint(opt, index);
    if (const QAbstractItemModel *model = index.model())
        size.setWidth(std::max(size.width(), widestRow(*model, index.parent(), opt) + 2 * kMargin));
    return size;
}

int TabStopDelegate::widestRow(const QAbstractItemModel &model, const QModelIndex &parent,
                               const QStyleOptionViewItem &option) const
{
    if (&model != measured_) {
        // A changed list is measured again when next asked.
        if (measured_)
            QObject::disconnect(measured_, nullptr, this, nullptr);
        auto *self = const_cast<TabStopDelegate *>(this);
        const auto forget = [self] { self->widest_ = -1; };
        connect(&model, &QAbstractItemModel::modelReset, self, forget);
        connect(&model, &QAbstractItemModel::layoutChanged, self, forget);
        connect(&model, &QAbstractItemModel::rowsInserted, self, forget);
        connect(&model, &QAbstractItemModel::rowsRemoved, self, forget);
        connect(&model, &QAbstractItemModel::dataChanged, self, forget);
        measured_ = &model;
        widest_ = -1;
    }
    if (widest_ >= 0)
        return widest_;
    // Laying out every row would be slow for a long log: the row widest by
    // the cell count is laid out, and the count stays a floor for fonts
    // that are not fixed-pitch.
    const QTextOption tabs = textOption(option.fontMetrics);
    const qreal cell = option.fontMetrics.horizontalAdvance(u'0');
    const QList<QTextOption::Tab> stops = tabs.tabs();
    qreal widestGuess = 0;
    int widestRow = 0;
    for (int row = 0, rows = model.rowCount(parent); row < rows; ++row) {
        const qreal guess = cellWidth(model.index(row, 0, parent).data().toString(), stops,
                                      tabs.tabStopDistance(), cell);
        if (guess > widestGuess) {
            widestGuess = guess;
            widestRow = row;
        }
    }
    const QString widestText = firstLine(model.index(widestRow, 0, parent).data().toString());
    widest_ = std::max(qCeil(widestGuess), rowWidth(widestText, option.font, tabs));
    return widest_;
}
