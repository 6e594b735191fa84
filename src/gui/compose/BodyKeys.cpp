#include "gui/compose/BodyKeys.h"

#include "gui/compose/BodyEdit.h"
#include "core/compose/CommandProgress.h"
#include "core/compose/EditedMail.h"
#include "gui/compose/ComposeContext.h"
#include "gui/compose/ComposeHost.h"
#include "gui/compose/CountCommand.h"
#include "gui/compose/LimitHandling.h"
#include "gui/compose/PreviewCommands.h"
#include "core/platform/Desktop.h"
#include "core/platform/Dialogs.h"
#include "gui/platform/Visibility.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

void onBodyKeyDown(ComposeContext &c, QKeyEvent *event, bool *swallow)
{
    BodyEdit *body = c.ui.bodyField;
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = event->key();
    if (mods == Qt::ControlModifier) {
        if (key == Qt::Key_A) {
            body->selectAll();
            *swallow = true;
        } else if (key == Qt::Key_S) {
            if (body->bodyLength() > 0)
                c.clipboard.setText(body->bodyText());
            *swallow = true;
        } else if (isEnter(key)) {
            *swallow = true;
            c.host.send();
        } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            *swallow = true;
            c.host.insertPictograph(key - Qt::Key_0);
        }
        return;
    }
    if (!isEnter(key))
        return;
    if (c.mail.autoSubstitute())
        c.command.substituteOnKeyUp = true;
    if (c.mail.hasLimitFlag(LimitFlag::AutoCount))
        countCommand(c);
    else if (c.mail.hasLimitFlag(LimitFlag::Classify))
        checkBodyLimit(c);
}

void onBodyKeyUp(ComposeContext &c)
{
    if (!c.command.substituteOnKeyUp)
        return;
    c.host.substituteKeywords();
    c.command.substituteOnKeyUp = false;
    if (isShownInWindow(c.ui.previewPanel) && !c.ui.verticalPreviewSwitch->isChecked())
        showSendImage(c);
}

void onSubjectChanged(ComposeContext &c)
{
    if (c.ui.subjectField->text().size() > 14)
        c.dialogs.inform(u"15文字以上は、危険です。"_qs);
}
