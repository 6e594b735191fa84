#include "handoff/MailListModel.h"

namespace {

// A record as one line of the list.
QString shownText(const MailRow &row)
{
    constexpr QStringView separator = u"\t|";
    QString text;
    text.reserve(row.subject.size() + row.to.size() + row.date.size() + row.from.size()
                 + row.body.size() + 4 * separator.size());
    for (const QString *column : {&row.subject, &row.to, &row.date, &row.from}) {
        text += *column;
        text += separator;
    }
    text += row.body;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

} // namespace

MailListModel::MailListModel(QObject *parent)
    : QAbstractListModel(parent), header_(mailboxreader::headerRow())
{
}

void MailListModel::setRecords(QList<MailRow> rows)
{
    beginResetModel();
    records_ = std::move(rows);
    endResetModel();
}

bool MailListModel::isRow(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.column() == 0
        && index.row() < rowCount();
}

int MailListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(records_.size()) + 1;
}

QVariant MailListModel::data(const QModelIndex &index, int role) const
{
    if (!isRow(index))
        return {};
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return isHeaderRow(row) ? header_ : shownText(record(row));
    case VerticalRole:
        return isHeaderRow(row) ? QVariant() : QVariant(record(row).vertical);
    default:
        return {};
    }
}

bool MailListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != VerticalRole || !isRow(index) || isHeaderRow(index.row()))
        return false;
    bool &vertical = records_[index.row() - 1].vertical;
    const bool wanted = value.toBool();
    if (vertical != wanted) {
        vertical = wanted;
        emit dataChanged(index, index, {VerticalRole});
    }
    return true;
}
