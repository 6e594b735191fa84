#include "core/compose/PhoneModelList.h"

PhoneModelList::PhoneModelList(QObject *parent)
    : QAbstractListModel(parent), models_(builtInPhoneModels().begin(), builtInPhoneModels().end())
{
}

void PhoneModelList::append(const QList<PhoneModel> &models)
{
    if (models.isEmpty())
        return;
    const int first = static_cast<int>(models_.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(models.size()) - 1);
    models_.append(models);
    endInsertRows();
}

int PhoneModelList::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < models_.size(); ++i) {
        if (models_[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

void PhoneModelList::setCurrentRow(int row)
{
    if (row < 0 || row >= models_.size())
        row = -1;
    if (row == current_)
        return;
    current_ = row;
    emit currentRowChanged(row);
}

PhoneModel PhoneModelList::current() const
{
    return current_ < 0 ? builtInPhoneModels().front() : models_[current_];
}

int PhoneModelList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(models_.size());
}

QVariant PhoneModelList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= models_.size())
        return {};
    const PhoneModel &model = models_[index.row()];
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return model.name;
    if (role == Qt::UserRole)
        return model.code;
    return {};
}
