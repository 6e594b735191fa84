#include "gui/pictograph/PictographCommands.h"

#include "core/pictograph/Definitions.h"
#include "core/pictograph/KeywordBody.h"
#include "core/pictograph/SearchTexts.h"
#include "core/platform/Dialogs.h"

#include <QFile>

#include <functional>

namespace keywordcommands {

namespace {

const QString kNoDefinitions = u"置換定義ファイルがありましぇーん。"_qs;

// Converts the selection, or the whole body when nothing is selected, and
// leaves the caret after the converted text's length from the body's start.
bool convert(KeywordBody &body, Dialogs &dialogs, const QString &definitionFile,
             const std::function<QString(const QString &, const QList<Definition> &)> &how)
{
    if (!QFile::exists(definitionFile)) {
        dialogs.inform(kNoDefinitions);
        return false;
    }
    const QList<Definition> list = definitions::read(definitionFile);
    const bool selection = body.bodySelectionLength() > 0;
    const QString text = how(selection ? body.selectedBodyText() : body.bodyText(), list);
    if (selection)
        body.replaceBodySelection(text);
    else
        body.setBodyText(text);
    body.setBodyCursorPosition(static_cast<int>(text.size()));
    return true;
}

} // namespace

bool substituteKeywords(KeywordBody &body, Dialogs &dialogs, const QString &definitionFile)
{
    return convert(body, dialogs, definitionFile, definitions::substituteEscaped);
}

bool restoreKeywords(KeywordBody &body, Dialogs &dialogs, const QString &definitionFile)
{
    return convert(body, dialogs, definitionFile, definitions::restoreKeywords);
}

QString checkKeywords(KeywordBody &body, Dialogs &dialogs, const QString &definitionFile)
{
    QString putIn;
    int replaced = 0;
    if (!QFile::exists(definitionFile)) {
        dialogs.inform(kNoDefinitions);
    } else {
        // 1-based positions, as the search counts them: from the character
        // just before the caret (the selection's start when there is one),
        // or from the start.
        const int start = dialogs.askYesNo(u"現在位置から絵文字チェックを行いますか？"_qs, u"確認事項"_qs)
                              ? std::max(1, body.bodySelectionStart())
                              : 1;
        const QList<Definition> list = definitions::read(definitionFile);
        QStringList keywords;
        for (const Definition &d : list) {
            // Nothing to find, or a keyword that is its own pictograph.
            keywords.append(d.keyword == d.symbol ? QString() : d.keyword);
        }
        // Where each keyword first occurs, all found in one pass over the
        // body; the body is searched again only after an answer.
        const SearchTexts search(keywords);
        QString text = body.bodyText();
        std::vector<qsizetype> first = search.firstOccurrences(text, start - 1);
        for (qsizetype k = 0; k < list.size(); ++k) {
            const Definition &d = list[k];
            const auto size = static_cast<int>(d.keyword.size());
            bool changed = false;
            for (qsizetype at = first[static_cast<std::size_t>(k)]; at >= 0;) {
                body.setBodySelection(static_cast<int>(at), size);
                qsizetype from = at + size;
                if (dialogs.askYesNo(body.selectedBodyText() + u"を"_qs + d.symbol + u"に置換しますか？"_qs,
                                     u"絵文字発見！！"_qs)) {
                    body.replaceBodySelection(d.symbol);
                    putIn += d.symbol;
                    ++replaced;
                    text = body.bodyText();
                    changed = true;
                    from = std::max<qsizetype>(0, at - 1); // from just before the symbol
                }
                at = search.firstOccurrences(text, from)[static_cast<std::size_t>(k)];
            }
            if (changed)
                first = search.firstOccurrences(text, start - 1);
        }
    }
    dialogs.inform(QString::number(replaced) + u"個の単語を絵文字に変換しました。"_qs);
    return putIn;
}

} // namespace keywordcommands
