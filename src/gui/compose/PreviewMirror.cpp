#include "gui/compose/PreviewMirror.h"

#include "gui/compose/BodyEdit.h"
#include "core/compose/BodyText.h"
#include "core/compose/CommandProgress.h"
#include "gui/compose/ComposeContext.h"
#include "gui/compose/PhoneScreen.h"
#include "gui/compose/VerticalCommands.h"
#include "gui/platform/Visibility.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QTextCursor>

namespace {

bool previewShowsBodyCopy(const ComposeContext &c)
{
    return !c.ui.verticalPreviewSwitch->isChecked() || c.command.sending;
}

} // namespace

// A hidden panel is brought up to date when it is shown again.
void followBodyEdit(ComposeContext &c, int position, int removed, int added)
{
    if (!c.command.previewIsBodyCopy)
        return;
    if (!isShownInWindow(c.ui.previewPanel)) {
        c.command.previewIsBodyCopy = false;
        return;
    }
    QTextCursor cursor(c.ui.previewBox->document());
    cursor.setPosition(position);
    cursor.setPosition(position + removed, QTextCursor::KeepAnchor);
    cursor.insertText(c.ui.bodyField->fieldText(position, added));
}

void updatePreview(ComposeContext &c)
{
    QPlainTextEdit *box = c.ui.previewBox;
    if (!previewShowsBodyCopy(c)) {
        layOutVerticalPreview(c);
        QTextCursor end = box->textCursor();
        end.movePosition(QTextCursor::End);
        box->setTextCursor(end);
        return;
    }
    if (!isShownInWindow(c.ui.previewPanel))
        return;
    refreshPreviewCopy(c);
    // An edit copied at the caret carries the box's caret along with it, so
    // it is set only when the two have parted.
    const int caret = std::min(c.ui.bodyField->textCursor().position(), box->document()->characterCount() - 1);
    if (box->textCursor().position() != caret) {
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(caret);
        box->setTextCursor(cursor);
    }
}

void setPreviewText(ComposeContext &c, const QString &bodyFormText)
{
    c.command.previewIsBodyCopy = false;
    c.ui.previewBox->setPlainText(bodytext::toField(bodyFormText));
}

void refreshPreviewCopy(ComposeContext &c)
{
    if (c.command.previewIsBodyCopy || !previewShowsBodyCopy(c))
        return;
    c.ui.previewBox->setPlainText(c.ui.bodyField->fieldText());
    c.command.previewIsBodyCopy = true;
}

void onVerticalPreviewChanged(ComposeContext &c)
{
    if (c.ui.verticalPreviewSwitch->isChecked()) {
        c.ui.sendImageButton->setEnabled(false);
        layOutVerticalPreview(c);
    } else {
        c.ui.sendImageButton->setEnabled(true);
        c.command.previewIsBodyCopy = false;
        refreshPreviewCopy(c);
    }
}
