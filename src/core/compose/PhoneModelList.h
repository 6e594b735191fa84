#pragma once

#include "core/compose/PhoneModel.h"

#include <QAbstractListModel>
#include <QList>

/// The phone models to choose from — the built-in ones, then those of
/// "Keitai.pre" and those added since — and the chosen one, whose screen
/// the preview and the vertical layout follow. A list view shows the names.
class PhoneModelList : public QAbstractListModel {
    Q_OBJECT
public:
    /// The built-in models, the first one chosen.
    explicit PhoneModelList(QObject *parent = nullptr);

    const QList<PhoneModel> &models() const { return models_; }
    void append(const QList<PhoneModel> &models);

    /// The first model of a name, or -1.
    int indexOf(const QString &name) const;

    /// The chosen model's row; -1 while none is chosen.
    int currentRow() const { return current_; }
    /// Chooses a row; a row outside the list chooses none.
    void setCurrentRow(int row);
    /// The chosen model; the first built-in one while none is chosen.
    PhoneModel current() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    /// The name for the display role, the code for Qt::UserRole.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    /// Another row was chosen (also the same model again after an append
    /// moved nothing: only a change of row counts).
    void currentRowChanged(int row);

private:
    QList<PhoneModel> models_;
    int current_ = 0;
};
