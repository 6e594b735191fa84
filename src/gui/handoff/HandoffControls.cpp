#include "gui/handoff/HandoffControls.h"

#include "gui/platform/ControlNames.h"
#include "gui/platform/LineFields.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>

namespace {

QAction *checkableAction(QObject *parent, const QString &name, const QString &caption)
{
    QAction *action = namedAction(parent, name, caption);
    action->setCheckable(true);
    return action;
}

} // namespace

HandoffControls HandoffControls::create(QWidget *parent)
{
    HandoffControls c;
    c.sendButton = pictureButton(parent, u"Command3"_qs, u"送信"_qs, u"送信"_qs);
    c.signatureButton = pictureButton(parent, u"Command4(1)"_qs, u"署名"_qs, u"署名"_qs);
    c.accountList = named(new QComboBox(parent), u"Combo2"_qs, u"送信アカウント"_qs);
    c.accountList->setToolTip(u"送信アカウント"_qs);
    c.toField = named(new QComboBox(parent), u"Combo1"_qs, u"宛先"_qs);
    c.toField->setEditable(true);
    c.toField->setInsertPolicy(QComboBox::NoInsert);
    // The layout gives the field its width: its size is not measured over
    // the thousands of addresses a book may hold.
    c.toField->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c.toField->setMinimumContentsLength(20);
    keepControlCharactersOut(c.toField->lineEdit());
    c.mailList = named(new QListView(parent), u"List1"_qs, u"草稿とログの一覧"_qs);
    c.mailList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.mailList->setUniformItemSizes(true);
    c.mailList->hide();
    c.signatureStatusLabel = namedLabel(new QLabel(u"・署名追加：OFF"_qs, parent), u"Label3(1)"_qs);
    c.mailCountsLabel = namedLabel(new QLabel(parent), u"Label6"_qs);

    c.saveDraftEntry = namedAction(parent, u"TotyuuSave"_qs, u"草稿に保存(&S)"_qs);
    c.listDraftsEntry = namedAction(parent, u"ReadingBecky(0)"_qs, u"草稿から読み込み(&R)"_qs);
    c.listLogEntry = namedAction(parent, u"ReadingBecky(1)"_qs, u"ログから読み込み(&L)"_qs);
    const QString copies[3] = {u"表示アドレスコピー(&A)"_qs, u"表示タイトルコピー(&T)"_qs, u"表示件名コピー(&S)"_qs};
    c.copyEntries = numberedActions(parent, u"CopyDisp(%1)"_qs, copies);
    c.noConfirmationEntry = checkableAction(parent, u"IOutNO"_qs, u"送信時確認なし(&O)"_qs);
    c.newMailAfterSendEntry = checkableAction(parent, u"IOutput"_qs, u"送信後新規画面(&N)"_qs);
    c.endAfterSendEntry = checkableAction(parent, u"IOutEnd"_qs, u"送信後終了確認(&E)"_qs);
    c.bccToAccountEntry = checkableAction(parent, u"OutBcc"_qs, u"送信ｱｶｳﾝﾄｱﾄﾞﾚｽにもBCCで送信(&M)"_qs);
    c.accountChangeMenu = new QMenu(u"送信ｱｶｳﾝﾄ変更動作(&A)"_qs, parent);
    c.accountChangeMenu->setObjectName(u"OutAccuntChg"_qs);
    const QString modes[3] = {u"送信ｱﾄﾞﾚｽ変更しない(&N)"_qs, u"送信ｱﾄﾞﾚｽも変更(&A)"_qs,
                              u"送信ｱﾄﾞﾚｽ変更確認ﾒｯｾｰｼﾞを出す(&M)"_qs};
    c.accountChangeModeEntries = numberedActions(c.accountChangeMenu, u"OutAdrChg(%1)"_qs, modes);
    for (QAction *mode : c.accountChangeModeEntries) {
        mode->setCheckable(true);
        c.accountChangeMenu->addAction(mode);
    }
    return c;
}
