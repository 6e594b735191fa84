#include "gui/app/RegistrationOpener.h"

#include "core/app/ProgramState.h"
#include "gui/app/MainWindow.h"
#include "gui/compose/BodyEdit.h"
#include "gui/pictograph/RegistrationWindow.h"
#include "core/platform/ProgramFolder.h"

#include <QAction>

RegistrationWindow *shownRegistrationWindow(MainWindow &w)
{
    // A closed window may still wait for its deletion: only a shown one counts.
    for (RegistrationWindow *window : w.findChildren<RegistrationWindow *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!window->isHidden())
            return window;
    }
    return nullptr;
}

RegistrationWindow *openRegistrationWindow(MainWindow &w)
{
    RegistrationWindow *window = shownRegistrationWindow(w);
    if (!window) {
        window = new RegistrationWindow(w.dialogs(), w.programFile(programfiles::pictographs), &w);
        window->resize(w.twips().toPixels(6600), w.twips().toPixels(5400));
        QObject::connect(window, &RegistrationWindow::symbolChosen, &w, [&w](const QString &symbol) {
            BodyEdit *body = w.ui().bodyField;
            body->setBodySelection(body->bodyLength(), 0);
            body->replaceBodySelection(symbol);
            w.state().mail.usedPictographs += symbol;
        });
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void connectRegistrationWindow(MainWindow &w)
{
    QObject::connect(w.ui().registrationEntry, &QAction::triggered, &w, [&w] { openRegistrationWindow(w); });
}
