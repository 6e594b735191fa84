#pragma once

#include "core/handoff/MailboxReader.h"

#include <QAbstractListModel>
#include <QList>

/// The draft and log list: row 0 is always the header row, rows 1 to n the
/// listed records, newest first.
class MailListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        /// The record's vertical flag (bool); settable on record rows.
        VerticalRole = Qt::UserRole + 1,
    };

    explicit MailListModel(QObject *parent = nullptr);

    /// Replaces the records at once (one model reset), keeping the header row.
    void setRecords(QList<MailRow> rows);

    /// Removes every record; the header row stays.
    void clearRecords() { setRecords({}); }

    /// The number of record rows (the header row not counted).
    qsizetype recordCount() const { return records_.size(); }

    /// The record shown at `row`; `row` must be a record row (1 to n).
    const MailRow &record(int row) const { return records_.at(row - 1); }

    /// True for the header row.
    static bool isHeaderRow(int row) { return row == 0; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;

    /// DisplayRole shows the row on one line: Subject, To, Date, From and
    /// Body, each after the previous one's TAB "|", and each CR LF of the
    /// body as a space. The text is made when asked for and not kept: the
    /// rows hold only their fields. VerticalRole gives the flag.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    /// Sets the vertical flag of a record row; other rows and roles refuse.
    bool setData(const QModelIndex &index, const QVariant &value,
                 int role = VerticalRole) override;

private:
    /// True for an index of this model's rows.
    bool isRow(const QModelIndex &index) const;

    QString header_;
    QList<MailRow> records_;
};
