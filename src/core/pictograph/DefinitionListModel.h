#pragma once

#include "core/pictograph/Definitions.h"

#include <QAbstractListModel>

#include <optional>

class Dialogs;

/// The definitions of the code registration window, in file order, with
/// the window's editing rules: registering with the overlap questions,
/// deleting, moving, sorting and finding, and whether there is a change to
/// save. A view shows each definition as its list entry text (keyword, two
/// TABs, symbol); nothing is read back from that text.
class DefinitionListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { SymbolRole = Qt::UserRole + 1, KeywordRole };

    /// What a registration came to.
    struct Registration {
        enum class Outcome {
            Registered, ///< added at `row`
            Declined,   ///< the user said No to the overlap with the entry at `row`
            Refused,    ///< nothing added; the user was told why
        };
        Outcome outcome = Outcome::Refused;
        int row = -1;
    };

    explicit DefinitionListModel(QObject *parent = nullptr);

    /// Replaces the list, as read from the file: nothing to save.
    void setDefinitions(const QList<Definition> &definitions);
    const QList<Definition> &definitions() const { return list_; }
    const Definition &at(int row) const { return list_.at(row); }

    /// True after a change that is to be saved: a registration, a deletion
    /// or a sort (a move is not one).
    bool isModified() const { return modified_; }
    /// Saving or discarding sets it back.
    void setModified(bool modified) { modified_ = modified; }

    /// Registers `definition` before row `before` (at the end when `before`
    /// is no row). Refuses an empty symbol and characters code page 932
    /// cannot hold; then asks about every entry whose text holds the
    /// keyword, first to last: No declines (after telling the user),
    /// Yes goes on unless that entry's keyword is the same, which is refused.
    Registration registerDefinition(const Definition &definition, int before, Dialogs &dialogs);

    /// Removes the definition at `row`; false when there is none.
    bool removeDefinition(int row);
    /// Swaps the definition at `row` with its neighbour `step` (-1 up, +1
    /// down); its new row, or nothing at the end of the list.
    std::optional<int> moveDefinition(int row, int step);
    /// Orders the list by entry text, so by keyword, in Japanese collation
    /// ignoring case; equal texts keep their order.
    void sortByKeyword();

    /// The first row whose symbol, or keyword, is exactly the given text.
    std::optional<int> findSymbol(const QString &symbol) const;
    std::optional<int> findKeyword(const QString &keyword) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<int> entriesHolding(const QString &keyword) const;

    QList<Definition> list_;
    bool modified_ = false;
};
