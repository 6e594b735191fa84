#include "pictograph/PictographMenu.h"

#include "app/MainWindow.h"
#include "compose/BodyEdit.h"
#include "platform/TextFile.h"

#include <QAction>

namespace {

constexpr int kMenuEntries = 20;
constexpr char kSymbol[] = "pictographSymbol";

// The symbol of a definition line: its first character (a surrogate pair
// counts as one).
QString symbolOf(const QString &line)
{
    return line.left(line.size() > 1 && line.at(0).isHighSurrogate() ? 2 : 1);
}

} // namespace

void fillPictographMenu(MainWindow &w)
{
    MainControls &c = w.ui();
    int added = 0;
    for (const QString &line : textfile::readLines(w.programFile(u"Emoji.code"_qs))) {
        if (added == kMenuEntries)
            break;
        if (line.isEmpty())
            continue;
        const QString symbol = symbolOf(line);
        // The second character (a TAB) is skipped whatever it is.
        const QString caption = symbol + u"   =   "_qs + line.mid(symbol.size() + 1);
        QAction *entry = added == 0 ? c.PutChar[0] : w.addPictographEntry(caption);
        entry->setText(caption);
        entry->setProperty(kSymbol, symbol);
        ++added;
    }
}

void connectPictographEntry(MainWindow &w, QAction *entry, int index)
{
    QObject::connect(entry, &QAction::triggered, &w, [&w, index] { insertPictograph(w, index); });
}

void insertPictograph(MainWindow &w, int index)
{
    MainControls &c = w.ui();
    if (index < 0 || index >= c.PutChar.size())
        return;
    const QString symbol = c.PutChar[index]->property(kSymbol).toString();
    if (symbol.isEmpty())
        return; // the placeholder "なし" stands for no definition
    c.Text1->replaceBodySelection(symbol);
    w.state().usedPictographs += symbol;
}
