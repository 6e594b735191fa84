#include "pictograph/PictographMenu.h"

#include "app/MainWindow.h"
#include "compose/BodyEdit.h"
#include "pictograph/Definitions.h"
#include "platform/ProgramFolder.h"

#include <QAction>

namespace {

constexpr int kMenuEntries = 20;
constexpr char kSymbol[] = "pictographSymbol";

} // namespace

void fillPictographMenu(MainWindow &w)
{
    MainControls &c = w.ui();
    const QList<Definition> list = definitions::read(w.programFile(programfiles::pictographs));
    for (qsizetype k = 0; k < std::min<qsizetype>(list.size(), kMenuEntries); ++k) {
        const QString caption = list[k].symbol + u"   =   "_qs + list[k].keyword;
        QAction *entry = k == 0 ? c.pictographEntries[0] : w.addPictographEntry(caption);
        entry->setText(caption);
        entry->setProperty(kSymbol, list[k].symbol);
    }
}

void connectPictographEntry(MainWindow &w, QAction *entry, int index)
{
    QObject::connect(entry, &QAction::triggered, &w, [&w, index] { insertPictograph(w, index); });
}

void insertPictograph(MainWindow &w, int index)
{
    MainControls &c = w.ui();
    if (index < 0 || index >= c.pictographEntries.size())
        return;
    const QString symbol = c.pictographEntries[index]->property(kSymbol).toString();
    if (symbol.isEmpty())
        return; // the placeholder "なし" stands for no definition
    c.bodyField->replaceBodySelection(symbol);
    w.state().mail.usedPictographs += symbol;
}
