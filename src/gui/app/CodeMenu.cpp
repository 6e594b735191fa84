#include "gui/app/CodeMenu.h"

#include "gui/app/MainWindow.h"
#include "gui/compose/BodyEdit.h"
#include "core/pictograph/Definitions.h"
#include "core/pictograph/KeywordBody.h"
#include "gui/pictograph/PictographCommands.h"
#include "core/platform/ProgramFolder.h"

#include <QAction>

namespace {

constexpr int kMenuEntries = 20;
constexpr char kSymbol[] = "pictographSymbol";

QString definitionFile(const MainWindow &w) { return w.programFile(programfiles::pictographs); }

// The body field as the keyword commands see it.
class BodyFieldForKeywords : public KeywordBody {
public:
    explicit BodyFieldForKeywords(BodyEdit &body) : body_(body) {}
    QString bodyText() const override { return body_.bodyText(); }
    void setBodyText(const QString &text) override { body_.setBodyText(text); }
    int bodySelectionStart() const override { return body_.bodySelectionStart(); }
    int bodySelectionLength() const override { return body_.bodySelectionLength(); }
    QString selectedBodyText() const override { return body_.selectedBodyText(); }
    void setBodySelection(int start, int length) override { body_.setBodySelection(start, length); }
    void replaceBodySelection(const QString &text) override { body_.replaceBodySelection(text); }
    void setBodyCursorPosition(int position) override { body_.setBodyCursorPosition(position); }

private:
    BodyEdit &body_;
};

void restoreKeywords(MainWindow &w)
{
    BodyFieldForKeywords body(*w.ui().bodyField);
    if (keywordcommands::restoreKeywords(body, w.dialogs(), definitionFile(w)))
        w.state().mail.usedPictographs.clear();
}

void checkKeywords(MainWindow &w)
{
    BodyFieldForKeywords body(*w.ui().bodyField);
    w.state().mail.usedPictographs += keywordcommands::checkKeywords(body, w.dialogs(), definitionFile(w));
}

} // namespace

void fillPictographMenu(MainWindow &w)
{
    MainControls &c = w.ui();
    const QList<Definition> list = definitions::read(definitionFile(w));
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

void substituteKeywords(MainWindow &w)
{
    BodyFieldForKeywords body(*w.ui().bodyField);
    if (keywordcommands::substituteKeywords(body, w.dialogs(), definitionFile(w)))
        w.state().mail.usedPictographs.clear();
}

void connectPictographCommands(MainWindow &w)
{
    MainControls &c = w.ui();
    QObject::connect(c.substituteEntry, &QAction::triggered, &w, [&w] { substituteKeywords(w); });
    QObject::connect(c.removePictographsEntry, &QAction::triggered, &w, [&w] { restoreKeywords(w); });
    QObject::connect(c.pictographCheckEntry, &QAction::triggered, &w, [&w] { checkKeywords(w); });
}
