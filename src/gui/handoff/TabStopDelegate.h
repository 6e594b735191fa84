#pragma once

#include <QList>
#include <QStyledItemDelegate>
#include <QTextOption>

/// Draws list rows whose columns are separated by TAB at fixed tab stops,
/// given in dialog units (a quarter of the font's average character width).
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(QList<int> dialogUnits, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    /// Wide enough for the widest row of the model, so that the list
    /// scrolls sideways to every column (the list gives all rows one size).
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QTextOption textOption(const QFontMetrics &metrics) const;
    int rowWidth(const QString &text, const QFont &font, const QTextOption &option) const;
    int widestRow(const QAbstractItemModel &model, const QModelIndex &parent,
                  const QStyleOptionViewItem &option) const;

    QList<int> dialogUnits_;
    /// The widest row of `measured_`, or -1 until it is measured again.
    mutable const QAbstractItemModel *measured_ = nullptr;
    mutable int widest_ = -1;
};
