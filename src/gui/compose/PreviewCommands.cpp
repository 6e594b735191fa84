#include "gui/compose/PreviewCommands.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeContext.h"
#include "gui/compose/ComposeHost.h"
#include "core/compose/EditedMail.h"
#include "core/compose/PhoneModelList.h"
#include "gui/compose/PhoneScreen.h"
#include "gui/compose/PreviewMirror.h"
#include "core/compose/SendImage.h"
#include "gui/compose/VerticalCommands.h"
#include "gui/platform/Visibility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

PhoneModel selectedPhoneModel(const ComposeContext &c) { return c.phones.current(); }

void choosePhoneModel(ComposeContext &c)
{
    const ComposeControls &ui = c.ui;
    if (c.phones.currentRow() < 0)
        return;
    const PhoneModel model = selectedPhoneModel(c);
    ui.previewBox->setScreen(model.columns(), model.rows());
    if (ui.verticalPreviewSwitch->isChecked())
        layOutVerticalPreview(c);
}

void showSendImage(ComposeContext &c)
{
    const QString image = renderSendImage(c.ui.bodyField->bodyText(), selectedPhoneModel(c).columns(),
                                          c.mail.signatureOn(), c.mail.signatureText);
    setPreviewText(c, image);
    c.ui.previewBox->moveCursor(QTextCursor::End);
}

void togglePreviewPanel(ComposeContext &c)
{
    QFrame *panel = c.ui.previewPanel;
    panel->setVisible(!isShownInWindow(panel));
    refreshPreviewCopy(c);
}

void toggleLimitPanel(ComposeContext &c)
{
    const bool open = !c.ui.limitFlagsPanel->isVisible();
    c.ui.limitFlagsPanel->setVisible(open);
    c.ui.limitPanel->setArrowType(open ? Qt::UpArrow : Qt::DownArrow);
}

void runPanelCommand(ComposeContext &c, PanelCommand command)
{
    if (!c.ui.previewButton->isEnabled())
        return;
    switch (command) {
    case PanelCommand::TogglePreviewPanel:
        togglePreviewPanel(c);
        break;
    case PanelCommand::ToggleMailList:
        c.host.toggleMailList();
        break;
    case PanelCommand::FoldLimitPanel:
        toggleLimitPanel(c);
        break;
    }
}
