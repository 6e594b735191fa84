#include "gui/compose/CountCommand.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeContext.h"
#include "gui/compose/ComposeHost.h"
#include "core/compose/CountLabel.h"
#include "core/compose/EditedMail.h"
#include "core/compose/LimitedCount.h"
#include "core/platform/Dialogs.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

namespace {

CountFlags countFlags(LimitFlags flags)
{
    return {flags.has(LimitFlag::SkipBlanks),      flags.has(LimitFlag::SkipLineBreaks),
            flags.has(LimitFlag::SkipPunctuation), flags.has(LimitFlag::SkipBrackets),
            flags.has(LimitFlag::SkipTags),        flags.has(LimitFlag::SkipHoro),
            flags.has(LimitFlag::Classify)};
}

} // namespace

void countCommand(ComposeContext &c)
{
    QPushButton *button = c.ui.countButton;
    // A run already going (the button is disabled while it runs) is not
    // started again from Enter in the body.
    if (!button->isEnabled())
        return;
    button->setEnabled(false);

    // The body is read at each character as it is then; the copy is renewed
    // only when an edit made while events were processed changed it.
    BodyEdit *field = c.ui.bodyField;
    QString body = field->bodyText();
    bool bodyChanged = false;
    const QMetaObject::Connection watch =
        QObject::connect(field, &BodyEdit::bodyChanged, field, [&bodyChanged] { bodyChanged = true; });
    const auto stopWatching = qScopeGuard([watch] { QObject::disconnect(watch); });

    QPointer<QPushButton> alive(button);
    LimitedCount run(static_cast<int>(body.size()));
    int shown = -1;
    while (!run.finished()) {
        if (bodyChanged) {
            body = field->bodyText();
            bodyChanged = false;
        }
        run.step(body, countFlags(c.mail.limitFlags()));
        if (!c.mail.hasLimitFlag(LimitFlag::AutoCount) && run.progress() != shown) {
            shown = run.progress();
            showProgress(c, shown);
        }
        QCoreApplication::processEvents();
        if (!alive || c.host.hasEnded())
            return; // the window was closed meanwhile: nothing left to report to
    }

    if (!c.mail.hasLimitFlag(LimitFlag::AutoCount)) {
        showProgress(c, -1);
        c.dialogs.inform(limitedCountMessage(run.size(), run.count()));
    }
    c.ui.countLabel->setText(countLabelText(formatShortest(run.count()), run.size()));
    button->setEnabled(true);
}

void showProgress(ComposeContext &c, int progress)
{
    QPushButton *button = c.ui.countButton;
    QWidget *window = button->window();
    const QString text = QString::number(progress) + u"%完了"_qs;
    if (window->isMinimized())
        window->setWindowTitle(text);
    else
        button->setText(text);
    if (progress == -1) {
        button->setText(u"実行"_qs);
        window->setWindowTitle(u"Horonami"_qs);
    }
}
