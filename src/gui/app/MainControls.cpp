#include "gui/app/MainControls.h"

#include "core/app/AddressListModel.h"
#include "gui/app/ClickableFrame.h"
#include "gui/platform/ControlNames.h"
#include "gui/platform/LineFields.h"
#include "gui/platform/Twips.h"
#include "gui/compose/BodyEdit.h"
#include "core/compose/PhoneModel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

QPushButton *pictureButton(QWidget *parent, const QString &name, const QString &face,
                           const QString &toolTip)
{
    auto *button = named(new QPushButton(face, parent), name, toolTip);
    button->setToolTip(toolTip);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QLabel *statusLabel(QWidget *parent, const QString &name, const QString &text)
{
    return namedLabel(new QLabel(text, parent), name);
}

} // namespace

void createControls(MainControls &c, QWidget *client, const Twips &twips)
{
    // Tool bar across the top.
    c.toolBar = named(new QFrame(client), u"Frame2"_qs, u"ツールバー"_qs);
    c.toolBar->setFrameShape(QFrame::StyledPanel);
    twips.place(c.toolBar, 0, 0, 7935, 765);
    c.sendButton = pictureButton(c.toolBar, u"Command3"_qs, u"送信"_qs, u"送信"_qs);
    twips.place(c.sendButton, 30, 75, 615, 615);
    c.countButton = pictureButton(c.toolBar, u"Command1"_qs, u"文字"_qs, u"文字数確認"_qs);
    twips.place(c.countButton, 720, 75, 615, 615);
    c.previewButton = pictureButton(c.toolBar, u"Command4(0)"_qs, u"ﾌﾟﾚ"_qs, u"imode p501i ﾌﾟﾚﾋﾞｭｰ"_qs);
    twips.place(c.previewButton, 1440, 75, 615, 615);
    c.signatureButton = pictureButton(c.toolBar, u"Command4(1)"_qs, u"署名"_qs, u"署名"_qs);
    twips.place(c.signatureButton, 2040, 75, 615, 615);
    c.verticalModeButton = pictureButton(c.toolBar, u"Command7"_qs, u"縦"_qs, u"縦書き変換！"_qs);
    c.verticalModeButton->setAutoFillBackground(true);
    twips.place(c.verticalModeButton, 2640, 75, 615, 615);
    c.beckyAddressBookButton = pictureButton(c.toolBar, u"Command2"_qs, u"帳"_qs, u"ベッキーのアドレス帳"_qs);
    twips.place(c.beckyAddressBookButton, 3240, 75, 615, 615);
    c.imodeSetting = named(new QCheckBox(u"i-mode設定"_qs, c.toolBar), u"Check2"_qs, u"i-mode設定"_qs);
    twips.place(c.imodeSetting, 3960, 120, 1500, 300);
    c.accountList = named(new QComboBox(c.toolBar), u"Combo2"_qs, u"送信アカウント"_qs);
    c.accountList->setToolTip(u"送信アカウント"_qs);
    twips.place(c.accountList, 6360, 90, 1500, 330);

    // Addressing and text.
    c.addressBookButton = named(new QPushButton(u"アドレス(&A)"_qs, client), u"Command6"_qs, u"アドレス"_qs);
    twips.place(c.addressBookButton, 0, 840, 1035, 345);
    c.toField = named(new QComboBox(client), u"Combo1"_qs, u"宛先"_qs);
    c.toField->setModel(new AddressListModel(c.toField));
    c.toField->setEditable(true);
    c.toField->setInsertPolicy(QComboBox::NoInsert);
    keepControlCharactersOut(c.toField->lineEdit());
    twips.place(c.toField, 1080, 840, 6855, 345);
    c.subjectCaption = statusLabel(client, u"Label2"_qs, u"件名：："_qs);
    twips.place(c.subjectCaption, 0, 1200, 1035, 330);
    c.subjectField = named(new QLineEdit(client), u"Text2"_qs, u"件名"_qs);
    keepControlCharactersOut(c.subjectField);
    twips.place(c.subjectField, 1080, 1200, 6855, 330);
    // The vertical scroll bar shows as soon as the body needs it (a bar
    // kept on at all times makes Qt re-measure every line on each keystroke).
    c.bodyField = named(new BodyEdit(client), u"Text1"_qs, u"本文"_qs);
    twips.place(c.bodyField, 0, 1560, 5895, 3375);
    c.mailList = named(new QListView(client), u"List1"_qs, u"草稿とログの一覧"_qs);
    c.mailList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.mailList->setUniformItemSizes(true);
    c.mailList->hide();
    twips.place(c.mailList, 0, 5040, 5895, 1500);

    // The limit panel lies over the tool bar's lower edge; it is raised below.
    c.limitPanel = named(new ClickableFrame(u"制限"_qs, client), u"Frame1"_qs, u"制限"_qs);
    twips.place(c.limitPanel, 4200, 480, 2080, 255);
    const QString flagCaptions[9] = {
        u"tab,sp抜き"_qs, u"改行抜き"_qs, u"。.、,抜き"_qs, u"「」、（）、[]、{}抜き"_qs,
        u"<タグ>抜き"_qs, u"Horo\u3000抜き"_qs, u"文字制限"_qs, u"文字種別分類"_qs, u"auto実行"_qs};
    for (const LimitFlag flag : allLimitFlags) {
        const int i = static_cast<int>(flag);
        c.limitFlags[flag] = named(new QCheckBox(flagCaptions[i], c.limitPanel), u"Check1(%1)"_qs.arg(i),
                                   flagCaptions[i]);
        twips.place(c.limitFlags[flag], 120, 255 + i * 260, 1900, 255);
    }

    // Preview panel.
    c.previewPanel = named(new QFrame(client), u"Frame3"_qs, u"プレビュー"_qs);
    c.previewPanel->setFrameShape(QFrame::StyledPanel);
    c.previewPanel->hide();
    twips.place(c.previewPanel, 5880, 640, 2055, 5895);
    c.phoneModelList = named(new QComboBox(c.previewPanel), u"Combo3"_qs, u"機種"_qs);
    twips.place(c.phoneModelList, 120, 120, 1815, 330);
    for (const PhoneModel &model : builtInPhoneModels())
        c.phoneModelList->addItem(model.name, model.code);
    c.previewBox = named(new QPlainTextEdit(c.previewPanel), u"Text3"_qs, u"プレビュー"_qs);
    c.previewBox->setReadOnly(true);
    // Always there, so that the box wraps at the same width whatever its length.
    c.previewBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    twips.place(c.previewBox, 120, 540, 1755, 1710);
    c.sendImageButton = named(new QPushButton(u"送信イメージ"_qs, c.previewPanel), u"Command5"_qs, u"送信イメージ"_qs);
    twips.place(c.sendImageButton, 120, 2340, 1815, 375);
    c.verticalPreviewSwitch = named(new QCheckBox(u"縦書きﾌﾟﾚﾋﾞｭｰﾓｰﾄﾞ"_qs, c.previewPanel), u"Check3"_qs,
                     u"縦書きﾌﾟﾚﾋﾞｭｰﾓｰﾄﾞ"_qs);
    twips.place(c.verticalPreviewSwitch, 120, 2820, 1815, 300);
    const QString note = u"\u3000実際の簡易的な送信イメージ画面です。\r\n"
                         "\u3000署名など詳細な点まで再現する場合は、送信イメージボタンを押してください。\r\n"
                         "\r\n"
                         "\u3000\uE6ECなどの絵文字を送信すると、相手側には、文字化けした物が届く可能性があります。"_qs;
    c.previewNote = namedLabel(new QLabel(note, c.previewPanel), u"Label4"_qs);
    c.previewNote->setWordWrap(true);
    c.previewNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips.place(c.previewNote, 120, 3180, 1815, 2600);

    // Status bar.
    c.statusBar = named(new QFrame(client), u"Picture1"_qs, u"状態"_qs);
    c.statusBar->setFrameShape(QFrame::Panel);
    c.statusBar->setFrameShadow(QFrame::Sunken);
    c.statusBar->setToolTip(u"○表示は、OFF　●表示はONを表します。"_qs);
    twips.place(c.statusBar, 0, 6600, 7935, 375);
    c.limitStatusLabel = statusLabel(c.statusBar, u"Label3(0)"_qs, u"・制限："_qs);
    twips.place(c.limitStatusLabel, 60, 45, 2480, 285);
    c.signatureStatusLabel = statusLabel(c.statusBar, u"Label3(1)"_qs, u"・署名追加：OFF"_qs);
    twips.place(c.signatureStatusLabel, 2580, 45, 1350, 285);
    c.mailCountsLabel = statusLabel(c.statusBar, u"Label6"_qs, u"草稿：0_ログ：0"_qs);
    twips.place(c.mailCountsLabel, 3950, 45, 1350, 285);
    c.countLabel = statusLabel(c.statusBar, u"Label1"_qs, u"\u00A5≒0.0円 000.0文字 (000)"_qs);
    c.countLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Rewritten on every keystroke: plain text, a fixed size and opaque, so
    // that nothing around or beneath it is laid out or repainted with it.
    c.countLabel->setTextFormat(Qt::PlainText);
    c.countLabel->setAutoFillBackground(true);
    twips.place(c.countLabel, 5450, 45, 2400, 285);
    c.countLabel->setFixedSize(c.countLabel->size()); // no relayout when the text changes
    c.warningLabel = namedLabel(new QLabel(c.statusBar), u"Label5"_qs);
    c.warningLabel->setAutoFillBackground(true);
    c.warningLabel->hide();
    twips.place(c.warningLabel, 30, 30, 7875, 315);

    c.limitPanel->raise();
}

namespace {

QAction *checkable(QAction *action)
{
    action->setCheckable(true);
    return action;
}

QMenu *topMenu(QMenuBar *bar, const QString &name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QMenu *subMenu(QMenu *parent, const QString &name, const QString &caption)
{
    QMenu *menu = parent->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

} // namespace

void createMenus(MainControls &c, QMenuBar *bar)
{
    c.fileMenu = topMenu(bar, u"Mnufile"_qs, u"ファイル(&F)"_qs);
    c.openEntry = menuEntry(c.fileMenu, u"openfile"_qs, u"開く(&O)"_qs);
    c.chooseFileEntry = menuEntry(c.fileMenu, u"chooseFile"_qs, u"ファイルを選択して開く(&F)..."_qs,
                                  QKeySequence(QKeySequence::Open));
    c.newMailEntry = menuEntry(c.fileMenu, u"newfile"_qs, u"新規作成（&N）"_qs);
    c.saveDraftEntry = menuEntry(c.fileMenu, u"TotyuuSave"_qs, u"草稿に保存(&S)"_qs);
    c.listDraftsEntry = menuEntry(c.fileMenu, u"ReadingBecky(0)"_qs, u"草稿から読み込み(&R)"_qs);
    c.listLogEntry = menuEntry(c.fileMenu, u"ReadingBecky(1)"_qs, u"ログから読み込み(&L)"_qs);
    c.fileMenu->addSeparator()->setObjectName(u"bou"_qs);
    c.exitEntry = menuEntry(c.fileMenu, u"Mnuexit"_qs, u"終了(&E)"_qs);

    c.editMenu = topMenu(bar, u"mainmnu"_qs, u"編集(&C)"_qs);
    c.undoEntry = menuEntry(c.editMenu, u"undo"_qs, u"元に戻す(&U)"_qs, QKeySequence(u"Ctrl+Z"_qs));
    c.redoEntry = menuEntry(c.editMenu, u"redo"_qs, u"やり直し(&R)"_qs);
    c.redoEntry->setShortcuts({QKeySequence(u"Ctrl+Shift+Z"_qs), QKeySequence(u"Ctrl+Y"_qs)});
    c.editMenu->addSeparator()->setObjectName(u"undoSeparator"_qs);
    c.copyEntries[0] = menuEntry(c.editMenu, u"CopyDisp(0)"_qs, u"表示アドレスコピー(&A)"_qs);
    c.copyEntries[1] = menuEntry(c.editMenu, u"CopyDisp(1)"_qs, u"表示タイトルコピー(&T)"_qs);
    c.copyEntries[2] = menuEntry(c.editMenu, u"CopyDisp(2)"_qs, u"表示件名コピー(&S)"_qs);
    c.fontSizeMenu = subMenu(c.editMenu, u"mojisize"_qs, u"文字ｻｲｽﾞ(&M)"_qs);
    const QString sizes[3] = {u"小"_qs, u"中"_qs, u"大"_qs};
    for (int i = 0; i < 3; ++i)
        c.fontSizeEntries[i] = menuEntry(c.fontSizeMenu, u"SizeFontChg(%1)"_qs.arg(i), sizes[i]);
    c.editMenu->addSeparator()->setObjectName(u"bou2"_qs);
    // The backslash of "↑変換\" is shown as the yen sign the Japanese font draws.
    const QString filters[9] = {u"改行抜き"_qs, u"→変換>"_qs, u"←変換<"_qs, u"↑変換\u00A5"_qs,
                                u"×変換x"_qs, u"SP抜き"_qs, u"半角変換"_qs, u"(抜き"_qs, u")抜き"_qs};
    for (int i = 0; i < 9; ++i)
        c.filterEntries[i] = menuEntry(c.editMenu, u"nuki(%1)"_qs.arg(i), filters[i]);
    c.editMenu->addSeparator()->setObjectName(u"bou1"_qs);
    c.allFiltersEntry = menuEntry(c.editMenu, u"Cmero"_qs, u"上記処理連続動作"_qs, QKeySequence(u"Ctrl+M"_qs));

    c.codeMenu = topMenu(bar, u"Mnucode"_qs, u"コード登録(&C)"_qs);
    c.registrationEntry = menuEntry(c.codeMenu, u"mojio"_qs, u"文字コード登録(&M)"_qs);
    c.substituteEntry = menuEntry(c.codeMenu, u"MnuTouroku(0)"_qs, u"置換(&T)"_qs, QKeySequence(u"Ctrl+T"_qs));
    c.removePictographsEntry = menuEntry(c.codeMenu, u"MnuTouroku(1)"_qs, u"絵文字消去(&D)"_qs);
    c.pictographCheckEntry = menuEntry(c.codeMenu, u"EmojiChk"_qs, u"絵文字チェック(&E)"_qs, QKeySequence(u"Ctrl+E"_qs));
    c.autoSubstituteEntry = checkable(menuEntry(c.codeMenu, u"Aouttikan"_qs, u"自動置換(&A)"_qs));
    c.codeMenu->addSeparator()->setObjectName(u"bou3"_qs);
    c.pictographEntries.append(menuEntry(c.codeMenu, u"PutChar(0)"_qs, u"なし"_qs));

    c.imodeMenu = topMenu(bar, u"imenu"_qs, u"i-mode(&I)"_qs);
    c.noConfirmationEntry = checkable(menuEntry(c.imodeMenu, u"IOutNO"_qs, u"送信時確認なし(&O)"_qs));
    c.newMailAfterSendEntry = checkable(menuEntry(c.imodeMenu, u"IOutput"_qs, u"送信後新規画面(&N)"_qs));
    c.endAfterSendEntry = checkable(menuEntry(c.imodeMenu, u"IOutEnd"_qs, u"送信後終了確認(&E)"_qs));
    c.bccToAccountEntry = checkable(menuEntry(c.imodeMenu, u"OutBcc"_qs, u"送信ｱｶｳﾝﾄｱﾄﾞﾚｽにもBCCで送信(&M)"_qs));
    c.accountChangeMenu = subMenu(c.imodeMenu, u"OutAccuntChg"_qs, u"送信ｱｶｳﾝﾄ変更動作(&A)"_qs);
    const QString modes[3] = {u"送信ｱﾄﾞﾚｽ変更しない(&N)"_qs, u"送信ｱﾄﾞﾚｽも変更(&A)"_qs,
                              u"送信ｱﾄﾞﾚｽ変更確認ﾒｯｾｰｼﾞを出す(&M)"_qs};
    for (int i = 0; i < 3; ++i)
        c.accountChangeModeEntries[i] = checkable(menuEntry(c.accountChangeMenu, u"OutAdrChg(%1)"_qs.arg(i), modes[i]));
    // The sending-address entries follow, one per address (the hand-off
    // commands keep them).
    c.imodeMenu->addSeparator()->setObjectName(u"bou7(0)"_qs);

    c.windowMenu = topMenu(bar, u"MnuWindow"_qs, u"ｳｨﾝﾄﾞｳ(&W)"_qs);
    c.panelEntries[0] = menuEntry(c.windowMenu, u"ViewPre(0)"_qs, u"ﾌﾟﾚﾋﾞｭｰ画面表示(&P)"_qs);
    c.panelEntries[1] = menuEntry(c.windowMenu, u"ViewPre(1)"_qs, u"ログor草稿画面(&L)"_qs);
    c.panelEntries[2] = menuEntry(c.windowMenu, u"ViewPre(2)"_qs, u"制限画面表示(&S)"_qs);
    c.windowMenu->addSeparator()->setObjectName(u"winbou"_qs);
    c.horizontalEntry = menuEntry(c.windowMenu, u"YokoPre"_qs, u"無理矢理横書き(&Y)"_qs);
    c.verticalMenu = subMenu(c.windowMenu, u"MnuTATE"_qs, u"無理矢理縦書き(&T)"_qs);
    c.textViewLayoutEntry = menuEntry(c.verticalMenu, u"PreTate(0)"_qs, u"TEXT_Viewモード(&T)"_qs);
    c.sendingLayoutEntry = menuEntry(c.verticalMenu, u"PreTate(1)"_qs, u"送信_TEXTモード(&S)"_qs);

    c.helpMenu = topMenu(bar, u"MnuHelp"_qs, u"ヘルプ(&H)"_qs);
    c.aboutEntry = menuEntry(c.helpMenu, u"Horo"_qs, u"Horonamiについて(&W)"_qs);
    c.readmeEntry = menuEntry(c.helpMenu, u"ReadMe"_qs, u"ReadMe(&R)"_qs);
    c.helpMenu->addSeparator()->setObjectName(u"Rebou"_qs);
    c.resetEntry = menuEntry(c.helpMenu, u"ReSetSave"_qs, u"再設定(&S)"_qs);
    c.helpMenu->addSeparator()->setObjectName(u"helpbou"_qs);
    c.helpEntry = menuEntry(c.helpMenu, u"MnuOpenHelp"_qs, u"ヘルプ(&H)"_qs);
    c.helpEntry->setEnabled(false);
}

QAction *addPictographEntry(MainControls &c, const QString &caption)
{
    QAction *action = menuEntry(c.codeMenu, u"PutChar(%1)"_qs.arg(c.pictographEntries.size()), caption);
    c.pictographEntries.append(action);
    return action;
}

ComposeControls composeControls(const MainControls &c)
{
    ComposeControls compose;
    compose.bodyField = c.bodyField;
    compose.subjectField = c.subjectField;
    compose.countButton = c.countButton;
    compose.verticalModeButton = c.verticalModeButton;
    compose.imodeSetting = c.imodeSetting;
    compose.limitPanel = c.limitPanel;
    compose.limitFlags = c.limitFlags;
    compose.autoSubstituteEntry = c.autoSubstituteEntry;
    compose.previewPanel = c.previewPanel;
    compose.previewButton = c.previewButton;
    compose.phoneModelList = c.phoneModelList;
    compose.verticalPreviewSwitch = c.verticalPreviewSwitch;
    compose.sendImageButton = c.sendImageButton;
    compose.previewBox = c.previewBox;
    compose.previewNote = c.previewNote;
    compose.mailList = c.mailList;
    compose.countLabel = c.countLabel;
    compose.warningLabel = c.warningLabel;
    compose.limitStatusLabel = c.limitStatusLabel;
    compose.accountList = c.accountList;
    compose.imodeButtons = {c.sendButton, c.signatureButton};
    compose.imodeMenus = {c.windowMenu->menuAction(), c.imodeMenu->menuAction()};
    compose.undoEntry = c.undoEntry;
    compose.redoEntry = c.redoEntry;
    compose.filterEntries = c.filterEntries;
    compose.allFiltersEntry = c.allFiltersEntry;
    compose.textViewLayoutEntry = c.textViewLayoutEntry;
    compose.sendingLayoutEntry = c.sendingLayoutEntry;
    compose.horizontalEntry = c.horizontalEntry;
    compose.panelEntries = c.panelEntries;
    return compose;
}

HandoffControls handoffControls(const MainControls &c)
{
    HandoffControls handoff;
    handoff.toField = c.toField;
    handoff.subjectField = c.subjectField;
    handoff.bodyField = c.bodyField;
    handoff.addressBookButton = c.addressBookButton;
    handoff.sendButton = c.sendButton;
    handoff.saveDraftEntry = c.saveDraftEntry;
    handoff.signatureButton = c.signatureButton;
    handoff.signatureStatusLabel = c.signatureStatusLabel;
    handoff.accountList = c.accountList;
    handoff.accountChangeModeEntries = c.accountChangeModeEntries;
    handoff.imodeMenu = c.imodeMenu;
    handoff.noConfirmationEntry = c.noConfirmationEntry;
    handoff.newMailAfterSendEntry = c.newMailAfterSendEntry;
    handoff.endAfterSendEntry = c.endAfterSendEntry;
    handoff.bccToAccountEntry = c.bccToAccountEntry;
    handoff.copyEntries = c.copyEntries;
    handoff.listDraftsEntry = c.listDraftsEntry;
    handoff.listLogEntry = c.listLogEntry;
    handoff.mailList = c.mailList;
    handoff.mailCountsLabel = c.mailCountsLabel;
    return handoff;
}
