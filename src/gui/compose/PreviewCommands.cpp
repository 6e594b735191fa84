#include "gui/compose/PreviewCommands.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeContext.h"
#include "gui/compose/ComposeHost.h"
#include "core/compose/EditedMail.h"
#include "core/compose/PhoneModelList.h"
#include "gui/compose/PreviewMirror.h"
#include "core/compose/SendImage.h"
#include "gui/compose/VerticalCommands.h"
#include "gui/platform/Twips.h"
#include "gui/platform/Visibility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int kLimitPanelOpen = 2655;
constexpr int kLimitPanelFolded = 255;

} // namespace

PhoneModel selectedPhoneModel(const ComposeContext &c) { return c.phones.current(); }

void choosePhoneModel(ComposeContext &c)
{
    const ComposeControls &ui = c.ui;
    if (c.phones.currentRow() < 0)
        return;
    const PhoneModel model = selectedPhoneModel(c);
    const Twips &t = c.twips;
    const PreviewLayout l = previewLayout(model.columns(), model.rows(), t.top(ui.previewBox));
    t.setWidth(ui.previewBox, l.boxWidth);
    t.setHeight(ui.previewBox, l.boxHeight);
    t.setWidth(ui.previewPanel, l.panelWidth);
    t.setTop(ui.sendImageButton, l.buttonTop);
    t.setTop(ui.verticalPreviewSwitch, l.switchTop);
    t.setTop(ui.previewNote, l.noteTop);
    c.host.layOut();
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
    c.host.layOut();
}

void toggleLimitPanel(ComposeContext &c)
{
    QWidget *panel = c.ui.limitPanel;
    const int height = c.twips.height(panel) == kLimitPanelOpen ? kLimitPanelFolded : kLimitPanelOpen;
    c.twips.setHeight(panel, height);
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
        c.ui.mailList->setVisible(!isShownInWindow(c.ui.mailList));
        c.host.layOut();
        break;
    case PanelCommand::FoldLimitPanel:
        toggleLimitPanel(c);
        break;
    }
}
