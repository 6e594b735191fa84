#include "app/MainControls.h"

#include "app/AddressListModel.h"
#include "app/ClickableFrame.h"
#include "app/ControlNames.h"
#include "app/Twips.h"
#include "compose/BodyEdit.h"
#include "compose/PhoneModel.h"

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
    return named(new QLabel(text, parent), name, text);
}

} // namespace

void createControls(MainControls &c, QWidget *client, const Twips &twips)
{
    // Tool bar across the top.
    c.Frame2 = named(new QFrame(client), u"Frame2"_qs, u"ツールバー"_qs);
    c.Frame2->setFrameShape(QFrame::StyledPanel);
    twips.place(c.Frame2, 0, 0, 7935, 765);
    c.Command3 = pictureButton(c.Frame2, u"Command3"_qs, u"送信"_qs, u"送信"_qs);
    twips.place(c.Command3, 30, 75, 615, 615);
    c.Command1 = pictureButton(c.Frame2, u"Command1"_qs, u"文字"_qs, u"文字数確認"_qs);
    twips.place(c.Command1, 720, 75, 615, 615);
    c.Command4[0] = pictureButton(c.Frame2, u"Command4(0)"_qs, u"ﾌﾟﾚ"_qs, u"imode p501i ﾌﾟﾚﾋﾞｭｰ"_qs);
    twips.place(c.Command4[0], 1440, 75, 615, 615);
    c.Command4[1] = pictureButton(c.Frame2, u"Command4(1)"_qs, u"署名"_qs, u"署名"_qs);
    twips.place(c.Command4[1], 2040, 75, 615, 615);
    c.Command7 = pictureButton(c.Frame2, u"Command7"_qs, u"縦"_qs, u"縦書き変換！"_qs);
    c.Command7->setAutoFillBackground(true);
    twips.place(c.Command7, 2640, 75, 615, 615);
    c.Command2 = pictureButton(c.Frame2, u"Command2"_qs, u"帳"_qs, u"ベッキーのアドレス帳"_qs);
    twips.place(c.Command2, 3240, 75, 615, 615);
    c.Check2 = named(new QCheckBox(u"i-mode設定"_qs, c.Frame2), u"Check2"_qs, u"i-mode設定"_qs);
    twips.place(c.Check2, 3960, 120, 1500, 300);
    c.Combo2 = named(new QComboBox(c.Frame2), u"Combo2"_qs, u"送信アカウント"_qs);
    c.Combo2->setToolTip(u"送信アカウント"_qs);
    twips.place(c.Combo2, 6360, 90, 1500, 330);

    // Addressing and text.
    c.Command6 = named(new QPushButton(u"アドレス(&A)"_qs, client), u"Command6"_qs, u"アドレス"_qs);
    twips.place(c.Command6, 0, 840, 1035, 345);
    c.Combo1 = named(new QComboBox(client), u"Combo1"_qs, u"宛先"_qs);
    c.Combo1->setModel(new AddressListModel(c.Combo1));
    c.Combo1->setEditable(true);
    c.Combo1->setInsertPolicy(QComboBox::NoInsert);
    twips.place(c.Combo1, 1080, 840, 6855, 345);
    c.Label2 = statusLabel(client, u"Label2"_qs, u"件名：："_qs);
    twips.place(c.Label2, 0, 1200, 1035, 330);
    c.Text2 = named(new QLineEdit(client), u"Text2"_qs, u"件名"_qs);
    twips.place(c.Text2, 1080, 1200, 6855, 330);
    // The vertical scroll bar shows as soon as the body needs it (a bar
    // kept on at all times makes Qt re-measure every line on each keystroke).
    c.Text1 = named(new BodyEdit(client), u"Text1"_qs, u"本文"_qs);
    twips.place(c.Text1, 0, 1560, 5895, 3375);
    c.List1 = named(new QListView(client), u"List1"_qs, u"草稿とログの一覧"_qs);
    c.List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.List1->setUniformItemSizes(true);
    c.List1->hide();
    twips.place(c.List1, 0, 5040, 5895, 1500);

    // The limit panel lies over the tool bar's lower edge; it is raised below.
    c.Frame1 = named(new ClickableFrame(u"制限"_qs, client), u"Frame1"_qs, u"制限"_qs);
    twips.place(c.Frame1, 4200, 480, 2080, 255);
    const QString flagCaptions[9] = {
        u"tab,sp抜き"_qs, u"改行抜き"_qs, u"。.、,抜き"_qs, u"「」、（）、[]、{}抜き"_qs,
        u"<タグ>抜き"_qs, u"Horo\u3000抜き"_qs, u"文字制限"_qs, u"文字種別分類"_qs, u"auto実行"_qs};
    for (int i = 0; i < 9; ++i) {
        c.Check1[i] = named(new QCheckBox(flagCaptions[i], c.Frame1),
                            u"Check1(%1)"_qs.arg(i), flagCaptions[i]);
        twips.place(c.Check1[i], 120, 255 + i * 260, 1900, 255);
    }

    // Preview panel.
    c.Frame3 = named(new QFrame(client), u"Frame3"_qs, u"プレビュー"_qs);
    c.Frame3->setFrameShape(QFrame::StyledPanel);
    c.Frame3->hide();
    twips.place(c.Frame3, 5880, 640, 2055, 5895);
    c.Combo3 = named(new QComboBox(c.Frame3), u"Combo3"_qs, u"機種"_qs);
    twips.place(c.Combo3, 120, 120, 1815, 330);
    for (const PhoneModel &model : builtInPhoneModels())
        c.Combo3->addItem(model.name, model.code);
    c.Text3 = named(new QPlainTextEdit(c.Frame3), u"Text3"_qs, u"プレビュー"_qs);
    c.Text3->setReadOnly(true);
    // Always there, so that the box wraps at the same width whatever its length.
    c.Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    twips.place(c.Text3, 120, 540, 1755, 1710);
    c.Command5 = named(new QPushButton(u"送信イメージ"_qs, c.Frame3), u"Command5"_qs, u"送信イメージ"_qs);
    twips.place(c.Command5, 120, 2340, 1815, 375);
    c.Check3 = named(new QCheckBox(u"縦書きﾌﾟﾚﾋﾞｭｰﾓｰﾄﾞ"_qs, c.Frame3), u"Check3"_qs,
                     u"縦書きﾌﾟﾚﾋﾞｭｰﾓｰﾄﾞ"_qs);
    twips.place(c.Check3, 120, 2820, 1815, 300);
    const QString note = u"\u3000実際の簡易的な送信イメージ画面です。\r\n"
                         "\u3000署名など詳細な点まで再現する場合は、送信イメージボタンを押してください。\r\n"
                         "\r\n"
                         "\u3000\uE6ECなどの絵文字を送信すると、相手側には、文字化けした物が届く可能性があります。"_qs;
    c.Label4 = named(new QLabel(note, c.Frame3), u"Label4"_qs, u"注意"_qs);
    c.Label4->setWordWrap(true);
    c.Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips.place(c.Label4, 120, 3180, 1815, 2600);

    // Status bar.
    c.Picture1 = named(new QFrame(client), u"Picture1"_qs, u"状態"_qs);
    c.Picture1->setFrameShape(QFrame::Panel);
    c.Picture1->setFrameShadow(QFrame::Sunken);
    c.Picture1->setToolTip(u"○表示は、OFF　●表示はONを表します。"_qs);
    twips.place(c.Picture1, 0, 6600, 7935, 375);
    c.Label3[0] = statusLabel(c.Picture1, u"Label3(0)"_qs, u"・制限："_qs);
    twips.place(c.Label3[0], 60, 45, 2480, 285);
    c.Label3[1] = statusLabel(c.Picture1, u"Label3(1)"_qs, u"・署名追加：OFF"_qs);
    twips.place(c.Label3[1], 2580, 45, 1350, 285);
    c.Label6 = statusLabel(c.Picture1, u"Label6"_qs, u"草稿：0_ログ：0"_qs);
    twips.place(c.Label6, 3950, 45, 1350, 285);
    c.Label1 = statusLabel(c.Picture1, u"Label1"_qs, u"\u00A5≒0.0円 000.0文字 (000)"_qs);
    c.Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Rewritten on every keystroke: plain text, a fixed size and opaque, so
    // that nothing around or beneath it is laid out or repainted with it.
    c.Label1->setTextFormat(Qt::PlainText);
    c.Label1->setAutoFillBackground(true);
    twips.place(c.Label1, 5450, 45, 2400, 285);
    c.Label1->setFixedSize(c.Label1->size()); // no relayout when the text changes
    c.Label5 = named(new QLabel(c.Picture1), u"Label5"_qs, u"警告"_qs);
    c.Label5->setAutoFillBackground(true);
    c.Label5->hide();
    twips.place(c.Label5, 30, 30, 7875, 315);

    c.Frame1->raise();
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
    c.Mnufile = topMenu(bar, u"Mnufile"_qs, u"ファイル(&F)"_qs);
    c.openfile = menuEntry(c.Mnufile, u"openfile"_qs, u"開く(&O)"_qs);
    c.newfile = menuEntry(c.Mnufile, u"newfile"_qs, u"新規作成（&N）"_qs);
    c.TotyuuSave = menuEntry(c.Mnufile, u"TotyuuSave"_qs, u"草稿に保存(&S)"_qs);
    c.ReadingBecky[0] = menuEntry(c.Mnufile, u"ReadingBecky(0)"_qs, u"草稿から読み込み(&R)"_qs);
    c.ReadingBecky[1] = menuEntry(c.Mnufile, u"ReadingBecky(1)"_qs, u"ログから読み込み(&L)"_qs);
    c.Mnufile->addSeparator()->setObjectName(u"bou"_qs);
    c.Mnuexit = menuEntry(c.Mnufile, u"Mnuexit"_qs, u"終了(&E)"_qs);

    c.mainmnu = topMenu(bar, u"mainmnu"_qs, u"編集(&C)"_qs);
    c.CopyDisp[0] = menuEntry(c.mainmnu, u"CopyDisp(0)"_qs, u"表示アドレスコピー(&A)"_qs);
    c.CopyDisp[1] = menuEntry(c.mainmnu, u"CopyDisp(1)"_qs, u"表示タイトルコピー(&T)"_qs);
    c.CopyDisp[2] = menuEntry(c.mainmnu, u"CopyDisp(2)"_qs, u"表示件名コピー(&S)"_qs);
    c.mojisize = subMenu(c.mainmnu, u"mojisize"_qs, u"文字ｻｲｽﾞ(&M)"_qs);
    const QString sizes[3] = {u"小"_qs, u"中"_qs, u"大"_qs};
    for (int i = 0; i < 3; ++i)
        c.SizeFontChg[i] = menuEntry(c.mojisize, u"SizeFontChg(%1)"_qs.arg(i), sizes[i]);
    c.mainmnu->addSeparator()->setObjectName(u"bou2"_qs);
    // The backslash of "↑変換\" is shown as the yen sign the Japanese font draws.
    const QString filters[9] = {u"改行抜き"_qs, u"→変換>"_qs, u"←変換<"_qs, u"↑変換\u00A5"_qs,
                                u"×変換x"_qs, u"SP抜き"_qs, u"半角変換"_qs, u"(抜き"_qs, u")抜き"_qs};
    for (int i = 0; i < 9; ++i)
        c.nuki[i] = menuEntry(c.mainmnu, u"nuki(%1)"_qs.arg(i), filters[i]);
    c.mainmnu->addSeparator()->setObjectName(u"bou1"_qs);
    c.Cmero = menuEntry(c.mainmnu, u"Cmero"_qs, u"上記処理連続動作"_qs, QKeySequence(u"Ctrl+M"_qs));

    c.Mnucode = topMenu(bar, u"Mnucode"_qs, u"コード登録(&C)"_qs);
    c.mojio = menuEntry(c.Mnucode, u"mojio"_qs, u"文字コード登録(&M)"_qs);
    c.MnuTouroku[0] = menuEntry(c.Mnucode, u"MnuTouroku(0)"_qs, u"置換(&T)"_qs, QKeySequence(u"Ctrl+T"_qs));
    c.MnuTouroku[1] = menuEntry(c.Mnucode, u"MnuTouroku(1)"_qs, u"絵文字消去(&D)"_qs);
    c.EmojiChk = menuEntry(c.Mnucode, u"EmojiChk"_qs, u"絵文字チェック(&E)"_qs, QKeySequence(u"Ctrl+E"_qs));
    c.Aouttikan = checkable(menuEntry(c.Mnucode, u"Aouttikan"_qs, u"自動置換(&A)"_qs));
    c.Mnucode->addSeparator()->setObjectName(u"bou3"_qs);
    c.PutChar.append(menuEntry(c.Mnucode, u"PutChar(0)"_qs, u"なし"_qs));

    c.imenu = topMenu(bar, u"imenu"_qs, u"i-mode(&I)"_qs);
    c.IOutNO = checkable(menuEntry(c.imenu, u"IOutNO"_qs, u"送信時確認なし(&O)"_qs));
    c.IOutput = checkable(menuEntry(c.imenu, u"IOutput"_qs, u"送信後新規画面(&N)"_qs));
    c.IOutEnd = checkable(menuEntry(c.imenu, u"IOutEnd"_qs, u"送信後終了確認(&E)"_qs));
    c.OutBcc = checkable(menuEntry(c.imenu, u"OutBcc"_qs, u"送信ｱｶｳﾝﾄｱﾄﾞﾚｽにもBCCで送信(&M)"_qs));
    c.OutAccuntChg = subMenu(c.imenu, u"OutAccuntChg"_qs, u"送信ｱｶｳﾝﾄ変更動作(&A)"_qs);
    const QString modes[3] = {u"送信ｱﾄﾞﾚｽ変更しない(&N)"_qs, u"送信ｱﾄﾞﾚｽも変更(&A)"_qs,
                              u"送信ｱﾄﾞﾚｽ変更確認ﾒｯｾｰｼﾞを出す(&M)"_qs};
    for (int i = 0; i < 3; ++i)
        c.OutAdrChg[i] = checkable(menuEntry(c.OutAccuntChg, u"OutAdrChg(%1)"_qs.arg(i), modes[i]));
    c.imenu->addSeparator()->setObjectName(u"bou7(0)"_qs);
    c.OutAdr.append(checkable(menuEntry(c.imenu, u"OutAdr(0)"_qs, u"なし"_qs)));

    c.MnuWindow = topMenu(bar, u"MnuWindow"_qs, u"ｳｨﾝﾄﾞｳ(&W)"_qs);
    c.ViewPre[0] = menuEntry(c.MnuWindow, u"ViewPre(0)"_qs, u"ﾌﾟﾚﾋﾞｭｰ画面表示(&P)"_qs);
    c.ViewPre[1] = menuEntry(c.MnuWindow, u"ViewPre(1)"_qs, u"ログor草稿画面(&L)"_qs);
    c.ViewPre[2] = menuEntry(c.MnuWindow, u"ViewPre(2)"_qs, u"制限画面表示(&S)"_qs);
    c.MnuWindow->addSeparator()->setObjectName(u"winbou"_qs);
    c.YokoPre = menuEntry(c.MnuWindow, u"YokoPre"_qs, u"無理矢理横書き(&Y)"_qs);
    c.MnuTATE = subMenu(c.MnuWindow, u"MnuTATE"_qs, u"無理矢理縦書き(&T)"_qs);
    c.PreTate[0] = menuEntry(c.MnuTATE, u"PreTate(0)"_qs, u"TEXT_Viewモード(&T)"_qs);
    c.PreTate[1] = menuEntry(c.MnuTATE, u"PreTate(1)"_qs, u"送信_TEXTモード(&S)"_qs);

    c.MnuHelp = topMenu(bar, u"MnuHelp"_qs, u"ヘルプ(&H)"_qs);
    c.Horo = menuEntry(c.MnuHelp, u"Horo"_qs, u"Horonamiについて(&W)"_qs);
    c.ReadMe = menuEntry(c.MnuHelp, u"ReadMe"_qs, u"ReadMe(&R)"_qs);
    c.MnuHelp->addSeparator()->setObjectName(u"Rebou"_qs);
    c.ReSetSave = menuEntry(c.MnuHelp, u"ReSetSave"_qs, u"再設定(&S)"_qs);
    c.MnuHelp->addSeparator()->setObjectName(u"helpbou"_qs);
    c.MnuOpenHelp = menuEntry(c.MnuHelp, u"MnuOpenHelp"_qs, u"ヘルプ(&H)"_qs);
    c.MnuOpenHelp->setEnabled(false);
}

QAction *addSendingAddress(MainControls &c, const QString &caption)
{
    QAction *action = checkable(menuEntry(c.imenu, u"OutAdr(%1)"_qs.arg(c.OutAdr.size()), caption));
    c.OutAdr.append(action);
    return action;
}

QAction *addPictographEntry(MainControls &c, const QString &caption)
{
    QAction *action = menuEntry(c.Mnucode, u"PutChar(%1)"_qs.arg(c.PutChar.size()), caption);
    c.PutChar.append(action);
    return action;
}
