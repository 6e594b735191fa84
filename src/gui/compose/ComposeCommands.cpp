#include "gui/compose/ComposeCommands.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/BodyKeys.h"
#include "gui/compose/ComposeContext.h"
#include "gui/compose/CountCommand.h"
#include "core/compose/EditedMail.h"
#include "core/compose/PhoneModelList.h"
#include "gui/compose/FilterCommands.h"
#include "gui/compose/LimitHandling.h"
#include "gui/compose/PreviewCommands.h"
#include "gui/compose/PreviewMirror.h"
#include "gui/compose/VerticalCommands.h"
#include "core/platform/Dialogs.h"
#include "gui/platform/LineFields.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The limit panel's boxes, the i-mode setting, the automatic substitution
// entry, the vertical mode button and the phone model list show the mail's
// switches; a click changes the model, and the commands answer the model.
void showSwitches(ComposeContext &c, QObject *owner)
{
    const ComposeControls &ui = c.ui;
    EditedMail &mail = c.mail;
    for (const LimitFlag flag : allLimitFlags) {
        QCheckBox *box = ui.limitFlags[flag];
        box->setChecked(mail.hasLimitFlag(flag));
        QObject::connect(box, &QCheckBox::toggled, owner, [&mail, flag](bool on) { mail.setLimitFlag(flag, on); });
    }
    QObject::connect(&mail, &EditedMail::limitFlagChanged, owner, [&c](LimitFlag flag, bool on) {
        c.ui.limitFlags[flag]->setChecked(on);
        onLimitFlagChanged(c, flag);
    });

    QCheckBox *imode = ui.imodeSetting;
    imode->setChecked(mail.imode());
    QObject::connect(imode, &QCheckBox::toggled, owner, [&mail, imode](bool on) {
        mail.setImode(on);
        imode->setChecked(mail.imode()); // the setting may stay locked off
    });
    QObject::connect(&mail, &EditedMail::imodeChanged, owner, [&c](bool on) {
        c.ui.imodeSetting->setChecked(on);
        onImodeSettingChanged(c);
    });

    QAction *autoSubstitute = ui.autoSubstituteEntry;
    autoSubstitute->setChecked(mail.autoSubstitute());
    QObject::connect(autoSubstitute, &QAction::toggled, owner, [&mail](bool on) { mail.setAutoSubstitute(on); });
    QObject::connect(&mail, &EditedMail::autoSubstituteChanged, autoSubstitute, &QAction::setChecked);

    QObject::connect(&mail, &EditedMail::verticalModeChanged, owner, [&c](bool on) { showVerticalMode(c, on); });

    ui.phoneModelList->setModel(&c.phones);
    ui.phoneModelList->setCurrentIndex(c.phones.currentRow());
    QObject::connect(ui.phoneModelList, &QComboBox::currentIndexChanged, owner,
                     [&c](int row) { c.phones.setCurrentRow(row); });
    QObject::connect(&c.phones, &PhoneModelList::currentRowChanged, owner, [&c](int row) {
        c.ui.phoneModelList->setCurrentIndex(row);
        choosePhoneModel(c);
    });
}

void connectTyping(ComposeContext &c, QObject *owner)
{
    const ComposeControls &ui = c.ui;
    QObject::connect(ui.bodyField, &BodyEdit::bodyChanged, owner, [&c] { onBodyChanged(c); });
    QObject::connect(ui.bodyField, &BodyEdit::fieldEdited, owner,
                     [&c](int position, int removed, int added) { followBodyEdit(c, position, removed, added); });
    QObject::connect(ui.bodyField, &BodyEdit::keyDown, owner,
                     [&c](QKeyEvent *event, bool *swallow) { onBodyKeyDown(c, event, swallow); });
    QObject::connect(ui.bodyField, &BodyEdit::keyUp, owner, [&c](QKeyEvent *) { onBodyKeyUp(c); });
    QObject::connect(ui.subjectField, &QLineEdit::textChanged, owner, [&c] { onSubjectChanged(c); });
    QObject::connect(ui.subjectField, &QLineEdit::returnPressed, owner, [&c] { c.ui.bodyField->setFocus(); });
    QObject::connect(ui.verticalPreviewSwitch, &QCheckBox::toggled, owner, [&c] { onVerticalPreviewChanged(c); });
    setImodeControlsEnabled(c, false);
}

// The edit menu's undo and redo follow the body's history. Their keys act
// where the body has the focus; the subject and To fields keep their own.
void connectHistory(ComposeContext &c, QObject *owner)
{
    const ComposeControls &ui = c.ui;
    BodyEdit *body = ui.bodyField;
    for (QAction *entry : {ui.undoEntry, ui.redoEntry}) {
        entry->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        entry->setEnabled(false);
        body->addAction(entry);
    }
    QObject::connect(ui.undoEntry, &QAction::triggered, owner, [body] { body->undoStep(); });
    QObject::connect(ui.redoEntry, &QAction::triggered, owner, [body] { body->redoStep(); });
    QObject::connect(body, &QPlainTextEdit::undoAvailable, ui.undoEntry, &QAction::setEnabled);
    QObject::connect(body, &QPlainTextEdit::redoAvailable, ui.redoEntry, &QAction::setEnabled);
}

void connectCommands(ComposeContext &c, QObject *owner)
{
    const ComposeControls &ui = c.ui;
    QObject::connect(ui.countButton, &QPushButton::clicked, owner, [&c] { countCommand(c); });
    for (int i = 0; i < static_cast<int>(ui.filterEntries.size()); ++i)
        QObject::connect(ui.filterEntries[i], &QAction::triggered, owner, [&c, i] { runFilter(c, i); });
    QObject::connect(ui.allFiltersEntry, &QAction::triggered, owner, [&c] { runAllFilters(c); });

    QObject::connect(ui.verticalModeButton, &QPushButton::clicked, owner, [&c] { toggleVerticalMode(c); });
    QObject::connect(ui.textViewLayoutEntry, &QAction::triggered, owner,
                     [&c] { toVertical(c, VerticalForm::TextView); });
    QObject::connect(ui.sendingLayoutEntry, &QAction::triggered, owner,
                     [&c] { toVertical(c, VerticalForm::Sending); });
    QObject::connect(ui.horizontalEntry, &QAction::triggered, owner, [&c] { bodyFromVertical(c); });

    QObject::connect(ui.previewButton, &QPushButton::clicked, owner, [&c] { togglePreviewPanel(c); });
    QObject::connect(ui.sendImageButton, &QPushButton::clicked, owner, [&c] { showSendImage(c); });
    const PanelCommand panelCommands[] = {PanelCommand::TogglePreviewPanel, PanelCommand::ToggleMailList,
                                          PanelCommand::FoldLimitPanel};
    for (std::size_t i = 0; i < ui.panelEntries.size(); ++i) {
        const PanelCommand command = panelCommands[i];
        QObject::connect(ui.panelEntries[i], &QAction::triggered, owner, [&c, command] { runPanelCommand(c, command); });
    }
}

} // namespace

void connectComposeCommands(ComposeContext &c, QObject *owner)
{
    showSwitches(c, owner);
    connectTyping(c, owner);
    connectHistory(c, owner);
    connectCommands(c, owner);
    // The list selected its first model before this handler was connected.
    choosePhoneModel(c);
}

void startNewMail(ComposeContext &c)
{
    replaceLineText(c.ui.subjectField, QString());
    c.ui.bodyField->setBodyText(QString());
    c.mail.usedPictographs.clear();
    c.mail.bodyModified = false;
}

bool mayReplaceEditedMail(ComposeContext &c)
{
    return !c.mail.bodyModified || c.ui.bodyField->bodyLength() == 0
           || c.dialogs.askYesNo(u"現在の編集内容が破棄されますがよろしいですか？"_qs, u"保存した？"_qs);
}
