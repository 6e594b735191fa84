#include "compose/FilterCommands.h"

#include "app/MainWindow.h"
#include "app/WindowCommands.h"
#include "compose/BodyEdit.h"
#include "compose/ComposeCommands.h"
#include "compose/Filters.h"
#include "compose/LimitedCount.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

namespace {

bool flag(MainWindow &w, int index) { return w.ui().Check1[index]->isChecked(); }

CountFlags countFlags(MainWindow &w)
{
    return {flag(w, 0), flag(w, 1), flag(w, 2), flag(w, 3), flag(w, 4), flag(w, 5), flag(w, 7)};
}

void replaceEach(MainWindow &w, const FilterEntry &entry)
{
    BodyEdit *body = w.ui().Text1;
    QList<FilterEdit> edits = filterEdits(body->bodyText(), entry);
    int expectedLength = body->bodyLength();
    for (qsizetype k = 0; k < edits.size(); ++k) {
        const FilterEdit &edit = edits.at(k);
        body->setBodySelection(edit.position, edit.length);
        body->replaceBodySelection(edit.text);
        expectedLength += static_cast<int>(edit.text.size()) - edit.length;
        if (body->bodyLength() != expectedLength) {
            // The change handling cut the body (the trimming offer): the
            // remaining edits no longer fit it, so find them anew.
            edits = filterEdits(body->bodyText(), entry);
            expectedLength = body->bodyLength();
            k = -1;
        }
    }
}

} // namespace

void runFilter(MainWindow &w, int index)
{
    const FilterEntry &entry = filterEntries().at(static_cast<std::size_t>(index));
    if (entry.kind == FilterEntry::Kind::Narrow) {
        BodyEdit *body = w.ui().Text1;
        body->setBodyText(applyFilter(body->bodyText(), entry));
        return;
    }
    replaceEach(w, entry);
}

void runAllFilters(MainWindow &w)
{
    for (const int index : kCmeroOrder)
        runFilter(w, index);
}

void countCommand(MainWindow &w)
{
    MainControls &c = w.ui();
    // A run already going (the button is disabled while it runs) is not
    // started again from Enter in the body.
    if (!c.Command1->isEnabled())
        return;
    c.Command1->setEnabled(false);

    // The body is read at each character as it is then; the copy is renewed
    // only when an edit made while events were processed changed it.
    QString body = c.Text1->bodyText();
    bool bodyChanged = false;
    const QMetaObject::Connection watch =
        QObject::connect(c.Text1, &BodyEdit::bodyChanged, c.Text1, [&bodyChanged] { bodyChanged = true; });

    const auto stopWatching = qScopeGuard([watch] { QObject::disconnect(watch); });

    QPointer<MainWindow> window(&w);
    LimitedCount run(static_cast<int>(body.size()));
    int shown = -1;
    while (!run.finished()) {
        if (bodyChanged) {
            body = c.Text1->bodyText();
            bodyChanged = false;
        }
        run.step(body, countFlags(w));
        w.state().progress = run.progress();
        if (!flag(w, 8) && run.progress() != shown) {
            shown = run.progress();
            showProgress(w);
        }
        QCoreApplication::processEvents();
        if (!window || w.hasEnded())
            return; // the window was closed meanwhile: nothing left to report to
    }

    w.state().progress = -1;
    if (!flag(w, 8)) {
        showProgress(w);
        w.dialogs().inform(limitedCountMessage(run.size(), run.count()));
    }
    c.Label1->setText(limitedCountLabel(run.count(), run.size()));
    c.Command1->setEnabled(true);
}
