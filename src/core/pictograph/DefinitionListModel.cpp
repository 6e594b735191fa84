#include "core/pictograph/DefinitionListModel.h"

#include "core/pictograph/RegistrationEntry.h"
#include "core/pictograph/SearchTexts.h"
#include "core/platform/Cp932.h"
#include "core/platform/Dialogs.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

DefinitionListModel::DefinitionListModel(QObject *parent) : QAbstractListModel(parent) {}

void DefinitionListModel::setDefinitions(const QList<Definition> &definitions)
{
    beginResetModel();
    list_ = definitions;
    endResetModel();
    modified_ = false;
}

int DefinitionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(list_.size());
}

QVariant DefinitionListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Definition &d = list_.at(index.row());
    switch (role) {
    case Qt::DisplayRole: return registration::entryText(d);
    case SymbolRole: return d.symbol;
    case KeywordRole: return d.keyword;
    default: return {};
    }
}

// The rows whose entry text holds `keyword` anywhere (symbol and separators
// included); an empty keyword is held by every entry. One automaton over
// the keyword, one pass over each entry: linear however long and alike.
QList<int> DefinitionListModel::entriesHolding(const QString &keyword) const
{
    const SearchTexts search({keyword});
    QList<int> found;
    for (qsizetype i = 0; i < list_.size(); ++i) {
        const std::vector<int> starts = search.firstStartingAt(registration::entryText(list_[i]));
        if (keyword.isEmpty() || std::find(starts.begin(), starts.end(), 0) != starts.end())
            found.append(static_cast<int>(i));
    }
    return found;
}

DefinitionListModel::Registration DefinitionListModel::registerDefinition(const Definition &definition, int before,
                                                                          Dialogs &dialogs)
{
    using Outcome = Registration::Outcome;
    if (definition.symbol.isEmpty()) {
        // An entry without its symbol could not be read back from the file.
        dialogs.inform(u"記号が入力されていません。登録する記号を１文字入力してください。"_qs);
        return {};
    }
    // The file is code page 932: anything else would come back as "?".
    if (const std::optional<QString> foreign = cp932::firstUnencodable(definition.symbol + definition.keyword)) {
        dialogs.inform(u"「"_qs + *foreign + u"」は、文字コードに保存できない文字です。登録できません。"_qs,
                       Dialogs::defaultTitle(), Dialogs::Icon::Exclamation);
        return {};
    }
    for (int i : entriesHolding(definition.keyword)) {
        if (!dialogs.askYesNo(u"キーワードが「"_qs + registration::entryText(list_[i])
                              + u"」と重なっています。よろしいですか？"_qs)) {
            dialogs.inform(u"登録をキャンセルします。"_qs);
            return {Outcome::Declined, i};
        }
        if (list_[i].keyword == definition.keyword) {
            dialogs.inform(u"全く同じキーワードは、登録できません。"_qs);
            return {};
        }
    }
    const int row = before >= 0 && before < list_.size() ? before : static_cast<int>(list_.size());
    beginInsertRows({}, row, row);
    list_.insert(row, definition);
    endInsertRows();
    modified_ = true;
    return {Outcome::Registered, row};
}

bool DefinitionListModel::removeDefinition(int row)
{
    if (row < 0 || row >= list_.size())
        return false;
    beginRemoveRows({}, row, row);
    list_.removeAt(row);
    endRemoveRows();
    modified_ = true;
    return true;
}

std::optional<int> DefinitionListModel::moveDefinition(int row, int step)
{
    const int target = row + step;
    if (row < 0 || row >= list_.size() || target < 0 || target >= list_.size() || step == 0)
        return std::nullopt;
    // Qt names the row a moved row goes in front of: below the neighbour
    // when moving down.
    beginMoveRows({}, row, row, {}, step > 0 ? target + 1 : target);
    list_.move(row, target);
    endMoveRows();
    return target;
}

void DefinitionListModel::sortByKeyword()
{
    QCollator collator(QLocale(QLocale::Japanese, QLocale::Japan));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    beginResetModel();
    std::stable_sort(list_.begin(), list_.end(), [&collator](const Definition &a, const Definition &b) {
        return collator.compare(registration::entryText(a), registration::entryText(b)) < 0;
    });
    endResetModel();
    modified_ = true;
}

std::optional<int> DefinitionListModel::findSymbol(const QString &symbol) const
{
    const auto found = std::find_if(list_.begin(), list_.end(), [&](const Definition &d) { return d.symbol == symbol; });
    return found == list_.end() ? std::nullopt : std::optional<int>(static_cast<int>(found - list_.begin()));
}

std::optional<int> DefinitionListModel::findKeyword(const QString &keyword) const
{
    const auto found =
        std::find_if(list_.begin(), list_.end(), [&](const Definition &d) { return d.keyword == keyword; });
    return found == list_.end() ? std::nullopt : std::optional<int>(static_cast<int>(found - list_.begin()));
}
