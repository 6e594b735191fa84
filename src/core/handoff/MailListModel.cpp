#include "core/handoff/MailListModel.h"

#include <algorithm>

namespace {

// A record as one line of the list: each CR LF of the body as one space.
// Made in one pass into one allocation, for the view asks for the text of
// every row once to find the widest.
QString shownText(const MailRow &row)
{
    constexpr QStringView separator = u"\t|";
    QString text(row.subject.size() + row.to.size() + row.date.size() + row.from.size()
                     + row.body.size() + 4 * separator.size(),
                 Qt::Uninitialized);
    QChar *out = text.data();
    for (const QString *column : {&row.subject, &row.to, &row.date, &row.from}) {
        out = std::copy(column->cbegin(), column->cend(), out);
        out = std::copy(separator.begin(), separator.end(), out);
    }
    const QChar *const end = row.body.cend();
    for (const QChar *in = row.body.cbegin(); in != end; ++in) {
        if (*in == u'\r' && in + 1 != end && in[1] == u'\n') {
            *out++ = u' ';
            ++in;
        } else {
            *out++ = *in;
        }
    }
    text.truncate(out - text.cbegin());
    return text;
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
