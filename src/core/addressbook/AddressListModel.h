#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

/// The To field's list: each entry's text and the index of its phone model
/// (item data, Qt::UserRole). The texts are kept one after another in a
/// single UTF-8 buffer: an address book of thousands of entries held as a
/// standard item model (several allocations per entry) was most of the
/// program's memory and start-up time.
class AddressListModel : public QAbstractListModel {
    Q_OBJECT
public:
    /// Entries in the model's compact form.
    class Entries {
    public:
        void add(QStringView text, int model);
        int size() const { return static_cast<int>(ends_.size()); }
        QString text(int row) const;
        int model(int row) const { return models_[row]; }

    private:
        friend class AddressListModel;
        int start(int row) const { return row == 0 ? 0 : ends_[row - 1]; }
        void insertEmpty(int row, int count);
        void remove(int row, int count);
        void setText(int row, QStringView text);
        void append(const Entries &more);

        QByteArray text_;   // every entry's text, one after another
        QList<int> ends_;   // where each entry's text ends in text_
        QList<int> models_;
    };

    explicit AddressListModel(QObject *parent = nullptr);

    /// Appends entries as one insertion.
    void append(const Entries &entries);

    /// Entries to read only when the list is first needed (readPending):
    /// a big address book costs neither start-up time nor memory until the
    /// list is used. An empty function drops entries still pending.
    void setPending(std::function<Entries()> read) { pending_ = std::move(read); }
    /// Appends the pending entries, once; false when none were pending.
    bool readPending();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    /// The text for the display and edit roles, the model index for
    /// Qt::UserRole.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

private:
    bool holds(const QModelIndex &index) const;

    Entries entries_;
    std::function<Entries()> pending_;
};
