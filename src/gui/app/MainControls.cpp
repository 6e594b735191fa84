#include "gui/app/MainControls.h"

#include "gui/compose/ComposeControls.h"
#include "gui/handoff/HandoffControls.h"
#include "gui/platform/ControlNames.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

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

void separator(QMenu *menu, const QString &name) { menu->addSeparator()->setObjectName(name); }

void createFileMenu(MainControls &c, QMenuBar *bar, const HandoffControls &handoff)
{
    c.fileMenu = topMenu(bar, u"Mnufile"_qs, u"ファイル(&F)"_qs);
    c.openEntry = menuEntry(c.fileMenu, u"openfile"_qs, u"開く(&O)"_qs);
    c.chooseFileEntry = menuEntry(c.fileMenu, u"chooseFile"_qs, u"ファイルを選択して開く(&F)..."_qs,
                                  QKeySequence(QKeySequence::Open));
    c.newMailEntry = menuEntry(c.fileMenu, u"newfile"_qs, u"新規作成（&N）"_qs);
    c.fileMenu->addActions({handoff.saveDraftEntry, handoff.listDraftsEntry, handoff.listLogEntry});
    separator(c.fileMenu, u"bou"_qs);
    c.exitEntry = menuEntry(c.fileMenu, u"Mnuexit"_qs, u"終了(&E)"_qs);
}

void createEditMenu(MainControls &c, QMenuBar *bar, const ComposeControls &compose, const HandoffControls &handoff)
{
    c.editMenu = topMenu(bar, u"mainmnu"_qs, u"編集(&C)"_qs);
    c.editMenu->addActions({compose.undoEntry, compose.redoEntry});
    separator(c.editMenu, u"undoSeparator"_qs);
    for (QAction *copy : handoff.copyEntries)
        c.editMenu->addAction(copy);
    c.fontSizeMenu = subMenu(c.editMenu, u"mojisize"_qs, u"文字ｻｲｽﾞ(&M)"_qs);
    const QString sizes[3] = {u"小"_qs, u"中"_qs, u"大"_qs};
    for (int i = 0; i < 3; ++i)
        c.fontSizeEntries[i] = menuEntry(c.fontSizeMenu, u"SizeFontChg(%1)"_qs.arg(i), sizes[i]);
    separator(c.editMenu, u"bou2"_qs);
    for (QAction *filter : compose.filterEntries)
        c.editMenu->addAction(filter);
    separator(c.editMenu, u"bou1"_qs);
    c.editMenu->addAction(compose.allFiltersEntry);
}

void createCodeMenu(MainControls &c, QMenuBar *bar, const ComposeControls &compose)
{
    c.codeMenu = topMenu(bar, u"Mnucode"_qs, u"コード登録(&C)"_qs);
    c.registrationEntry = menuEntry(c.codeMenu, u"mojio"_qs, u"文字コード登録(&M)"_qs);
    c.substituteEntry = menuEntry(c.codeMenu, u"MnuTouroku(0)"_qs, u"置換(&T)"_qs, QKeySequence(Qt::CTRL | Qt::Key_T));
    c.removePictographsEntry = menuEntry(c.codeMenu, u"MnuTouroku(1)"_qs, u"絵文字消去(&D)"_qs);
    c.pictographCheckEntry =
        menuEntry(c.codeMenu, u"EmojiChk"_qs, u"絵文字チェック(&E)"_qs, QKeySequence(Qt::CTRL | Qt::Key_E));
    c.codeMenu->addAction(compose.autoSubstituteEntry);
    c.paletteEntry = menuEntry(c.codeMenu, u"pictographPalette"_qs, u"絵文字パレット(&P)"_qs);
    c.replaceUnsendableEntry =
        menuEntry(c.codeMenu, u"replaceUnsendable"_qs, u"Shift-JISにない文字の置き換え(&R)"_qs);
    separator(c.codeMenu, u"bou3"_qs);
    c.pictographEntries.append(menuEntry(c.codeMenu, u"PutChar(0)"_qs, u"なし"_qs));
}

void createImodeMenu(MainControls &c, QMenuBar *bar, HandoffControls &handoff)
{
    c.imodeMenu = topMenu(bar, u"imenu"_qs, u"i-mode(&I)"_qs);
    c.imodeMenu->addActions({handoff.noConfirmationEntry, handoff.newMailAfterSendEntry, handoff.endAfterSendEntry,
                             handoff.bccToAccountEntry});
    c.imodeMenu->addMenu(handoff.accountChangeMenu);
    // The sending-address entries follow, one per address.
    separator(c.imodeMenu, u"bou7(0)"_qs);
    handoff.sendingAddressMenu = c.imodeMenu;
}

void createWindowMenu(MainControls &c, QMenuBar *bar, const ComposeControls &compose)
{
    c.windowMenu = topMenu(bar, u"MnuWindow"_qs, u"ｳｨﾝﾄﾞｳ(&W)"_qs);
    for (QAction *panel : compose.panelEntries)
        c.windowMenu->addAction(panel);
    separator(c.windowMenu, u"winbou"_qs);
    c.windowMenu->addAction(compose.horizontalEntry);
    c.verticalMenu = subMenu(c.windowMenu, u"MnuTATE"_qs, u"無理矢理縦書き(&T)"_qs);
    c.verticalMenu->addActions({compose.textViewLayoutEntry, compose.sendingLayoutEntry});
}

void createHelpMenu(MainControls &c, QMenuBar *bar)
{
    c.helpMenu = topMenu(bar, u"MnuHelp"_qs, u"ヘルプ(&H)"_qs);
    c.aboutEntry = menuEntry(c.helpMenu, u"Horo"_qs, u"Horonamiについて(&W)"_qs);
    c.readmeEntry = menuEntry(c.helpMenu, u"ReadMe"_qs, u"ReadMe(&R)"_qs);
    separator(c.helpMenu, u"Rebou"_qs);
    c.resetEntry = menuEntry(c.helpMenu, u"ReSetSave"_qs, u"再設定(&S)"_qs);
    separator(c.helpMenu, u"helpbou"_qs);
    c.helpEntry = menuEntry(c.helpMenu, u"MnuOpenHelp"_qs, u"ヘルプ(&H)"_qs);
    c.helpEntry->setEnabled(false);
}

} // namespace

MainControls MainControls::create(QWidget *client, QMenuBar *bar, const ComposeControls &compose,
                                  HandoffControls &handoff)
{
    MainControls c;
    c.toolBar = named(new QFrame(client), u"Frame2"_qs, u"ツールバー"_qs);
    c.toolBar->setFrameShape(QFrame::StyledPanel);
    c.beckyAddressBookButton = pictureButton(c.toolBar, u"Command2"_qs, u"帳"_qs, u"ベッキーのアドレス帳"_qs);
    c.addressBookButton = named(new QPushButton(u"アドレス(&A)"_qs, client), u"Command6"_qs, u"アドレス"_qs);
    c.statusBar = named(new QFrame(client), u"Picture1"_qs, u"状態"_qs);
    c.statusBar->setFrameShape(QFrame::Panel);
    c.statusBar->setFrameShadow(QFrame::Sunken);
    c.statusBar->setToolTip(u"○表示は、OFF　●表示はONを表します。"_qs);

    createFileMenu(c, bar, handoff);
    createEditMenu(c, bar, compose, handoff);
    createCodeMenu(c, bar, compose);
    createImodeMenu(c, bar, handoff);
    createWindowMenu(c, bar, compose);
    createHelpMenu(c, bar);
    return c;
}

QAction *MainControls::addPictographEntry(const QString &caption)
{
    return pictographEntries.emplace_back(
        menuEntry(codeMenu, u"PutChar(%1)"_qs.arg(pictographEntries.size()), caption));
}
