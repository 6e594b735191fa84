#include "pictograph/PictographCommands.h"

#include "pictograph/Definitions.h"
#include "pictograph/KeywordBody.h"
#include "platform/Dialogs.h"

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
        for (const Definition &d : definitions::read(definitionFile)) {
            // Nothing to find, or a keyword that is its own pictograph.
            if (d.keyword.isEmpty() || d.keyword == d.symbol)
                continue;
            int from = start;
            for (;;) {
                const int at = static_cast<int>(body.bodyText().indexOf(d.keyword, from - 1));
                if (at < 0)
                    break;
                body.setBodySelection(at, static_cast<int>(d.keyword.size()));
                if (dialogs.askYesNo(body.selectedBodyText() + u"を"_qs + d.symbol + u"に置換しますか？"_qs,
                                     u"絵文字発見！！"_qs)) {
                    body.replaceBodySelection(d.symbol);
                    putIn += d.symbol;
                    ++replaced;
                    from = std::max(1, at);
                } else {
                    from = at + static_cast<int>(d.keyword.size()) + 1;
                }
            }
        }
    }
    dialogs.inform(QString::number(replaced) + u"個の単語を絵文字に変換しました。"_qs);
    return putIn;
}

} // namespace keywordcommands
