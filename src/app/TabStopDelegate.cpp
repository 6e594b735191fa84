#include "app/TabStopDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextOption>

TabStopDelegate::TabStopDelegate(QList<int> dialogUnits, QObject *parent)
    : QStyledItemDelegate(parent), dialogUnits_(std::move(dialogUnits))
{
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

    const qreal unit = opt.fontMetrics.averageCharWidth() / 4.0;
    QList<QTextOption::Tab> tabs;
    for (int du : dialogUnits_)
        tabs.append(QTextOption::Tab(du * unit, QTextOption::LeftTab));
    QTextOption textOption;
    textOption.setTabs(tabs);
    textOption.setWrapMode(QTextOption::NoWrap);
    // Only the first line of a row is shown; the body's breaks stay in the data.
    const QString firstLine = text.section(u'\n', 0, 0).section(u'\r', 0, 0);
    painter->save();
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    painter->drawText(opt.rect.adjusted(2, 0, -2, 0), firstLine, textOption);
    painter->restore();
}
