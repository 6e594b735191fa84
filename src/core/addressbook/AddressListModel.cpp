#include "core/addressbook/AddressListModel.h"

#include <utility>

void AddressListModel::Entries::add(QStringView text, int model)
{
    text_.append(text.toUtf8());
    ends_.append(static_cast<int>(text_.size()));
    models_.append(model);
}

QString AddressListModel::Entries::text(int row) const
{
    const int from = start(row);
    return QString::fromUtf8(text_.constData() + from, ends_[row] - from);
}

void AddressListModel::Entries::insertEmpty(int row, int count)
{
    ends_.insert(row, count, start(row));
    models_.insert(row, count, 0);
}

void AddressListModel::Entries::remove(int row, int count)
{
    const int from = start(row);
    const int removed = ends_[row + count - 1] - from;
    text_.remove(from, removed);
    ends_.remove(row, count);
    models_.remove(row, count);
    for (qsizetype i = row; i < ends_.size(); ++i)
        ends_[i] -= removed;
}

void AddressListModel::Entries::setText(int row, QStringView text)
{
    const int from = start(row);
    const QByteArray bytes = text.toUtf8();
    const int grown = static_cast<int>(bytes.size()) - (ends_[row] - from);
    text_.replace(from, ends_[row] - from, bytes);
    for (qsizetype i = row; i < ends_.size(); ++i)
        ends_[i] += grown;
}

void AddressListModel::Entries::append(const Entries &more)
{
    const int offset = static_cast<int>(text_.size());
    text_.append(more.text_);
    for (const int end : more.ends_)
        ends_.append(offset + end);
    models_.append(more.models_);
    text_.squeeze();
    ends_.squeeze();
    models_.squeeze();
}

AddressListModel::AddressListModel(QObject *parent) : QAbstractListModel(parent) {}

bool AddressListModel::readPending()
{
    if (!pending_)
        return false;
    const std::function<Entries()> read = std::exchange(pending_, {});
    append(read());
    return true;
}

void AddressListModel::append(const Entries &entries)
{
    if (entries.size() == 0)
        return;
    const int first = entries_.size();
    beginInsertRows(QModelIndex(), first, first + entries.size() - 1);
    entries_.append(entries);
    endInsertRows();
}

int AddressListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : entries_.size();
}

bool AddressListModel::holds(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() < entries_.size();
}

QVariant AddressListModel::data(const QModelIndex &index, int role) const
{
    // The combo box asks with invalid indexes too (no current entry).
    if (!holds(index))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return entries_.text(index.row());
    case Qt::UserRole:
        return entries_.model(index.row());
    default:
        return {};
    }
}

bool AddressListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!holds(index))
        return false;
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        entries_.setText(index.row(), value.toString());
    else if (role == Qt::UserRole)
        entries_.models_[index.row()] = value.toInt();
    else
        return false;
    emit dataChanged(index, index, {role});
    return true;
}

Qt::ItemFlags AddressListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

bool AddressListModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || row > entries_.size() || count <= 0)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    entries_.insertEmpty(row, count);
    endInsertRows();
    return true;
}

bool AddressListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > entries_.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    entries_.remove(row, count);
    endRemoveRows();
    return true;
}
