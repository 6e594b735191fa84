#pragma once

#include <QList>
#include <QStyledItemDelegate>

/// Draws list rows whose columns are separated by TAB at fixed tab stops,
/// given in dialog units (a quarter of the font's average character width).
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(QList<int> dialogUnits, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    QList<int> dialogUnits_;
};
