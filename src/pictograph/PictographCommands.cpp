#include "pictograph/PictographCommands.h"

#include "app/MainWindow.h"
#include "compose/BodyEdit.h"
#include "pictograph/Definitions.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QFile>

#include <functional>

namespace {

const QString kNoDefinitions = u"置換定義ファイルがありましぇーん。"_qs;

QString definitionFile(const MainWindow &w) { return w.programFile(programfiles::pictographs); }

// Converts the selection, or the whole body when nothing is selected, and
// leaves the caret after the converted text's length from the body's start.
void convert(MainWindow &w, const std::function<QString(const QString &, const QList<Definition> &)> &how)
{
    if (!QFile::exists(definitionFile(w))) {
        w.dialogs().inform(kNoDefinitions);
        return;
    }
    BodyEdit *body = w.ui().bodyField;
    const QList<Definition> list = definitions::read(definitionFile(w));
    const bool selection = body->bodySelectionLength() > 0;
    const QString text = how(selection ? body->selectedBodyText() : body->bodyText(), list);
    if (selection)
        body->replaceBodySelection(text);
    else
        body->setBodyText(text);
    body->setBodyCursorPosition(static_cast<int>(text.size()));
    w.state().mail.usedPictographs.clear();
}

} // namespace

void substituteKeywords(MainWindow &w) { convert(w, definitions::substituteEscaped); }

void restoreKeywords(MainWindow &w) { convert(w, definitions::restoreKeywords); }

void checkKeywords(MainWindow &w)
{
    Dialogs &dialogs = w.dialogs();
    int replaced = 0;
    if (!QFile::exists(definitionFile(w))) {
        dialogs.inform(kNoDefinitions);
    } else {
        BodyEdit *body = w.ui().bodyField;
        // 1-based positions, as the search counts them: from the character
        // just before the caret, or from the start.
        const int start = dialogs.askYesNo(u"現在位置から絵文字チェックを行いますか？"_qs, u"確認事項"_qs)
                              ? std::max(1, body->bodyCursorPosition())
                              : 1;
        for (const Definition &d : definitions::read(definitionFile(w))) {
            // Nothing to find, or a keyword that is its own pictograph.
            if (d.keyword.isEmpty() || d.keyword == d.symbol)
                continue;
            int from = start;
            for (;;) {
                const int at = static_cast<int>(body->bodyText().indexOf(d.keyword, from - 1));
                if (at < 0)
                    break;
                body->setBodySelection(at, static_cast<int>(d.keyword.size()));
                if (dialogs.askYesNo(body->selectedBodyText() + u"を"_qs + d.symbol + u"に置換しますか？"_qs,
                                     u"絵文字発見！！"_qs)) {
                    body->replaceBodySelection(d.symbol);
                    w.state().mail.usedPictographs += d.symbol;
                    ++replaced;
                    from = std::max(1, at);
                } else {
                    from = at + static_cast<int>(d.keyword.size()) + 1;
                }
            }
        }
    }
    dialogs.inform(QString::number(replaced) + u"個の単語を絵文字に変換しました。"_qs);
}

void connectPictographCommands(MainWindow &w)
{
    MainControls &c = w.ui();
    QObject::connect(c.substituteEntry, &QAction::triggered, &w, [&w] { substituteKeywords(w); });
    QObject::connect(c.removePictographsEntry, &QAction::triggered, &w, [&w] { restoreKeywords(w); });
    QObject::connect(c.pictographCheckEntry, &QAction::triggered, &w, [&w] { checkKeywords(w); });
}
