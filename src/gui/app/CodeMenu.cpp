#include "gui/app/CodeMenu.h"

#include "gui/app/MainWindow.h"
#include "gui/compose/BodyEdit.h"
#include "core/app/ProgramState.h"
#include "core/pictograph/Definitions.h"
#include "core/pictograph/KeywordBody.h"
#include "gui/pictograph/PictographCommands.h"
#include "core/platform/ProgramFolder.h"

#include <QAction>

namespace {


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
    PictographSlots &pictographs = w.state().pictographs;
    pictographs.fill(definitions::read(definitionFile(w)));
    for (qsizetype k = 0; k < pictographs.entries().size(); ++k) {
        const QString caption = PictographSlots::caption(pictographs.entries()[k]);
        QAction *entry = k == 0 ? c.pictographEntries[0] : w.addPictographEntry(caption);
        entry->setText(caption);
    }
}

void connectPictographEntry(MainWindow &w, QAction *entry, int index)
{
    QObject::connect(entry, &QAction::triggered, &w, [&w, index] { insertPictograph(w, index); });
}

void insertPictograph(MainWindow &w, int index)
{
    const std::optional<QString> symbol = w.state().pictographs.symbolAt(index);
    if (!symbol)
        return; // an entry without a definition
    w.ui().bodyField->replaceBodySelection(*symbol);
    w.state().mail.usedPictographs += *symbol;
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
