#include "gui/addressbook/AddressBookControls.h"

#include "core/addressbook/CarrierDomain.h"
#include "gui/platform/ControlNames.h"
#include "gui/platform/Twips.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename W>
W *tipped(W *widget, const QString &toolTip)
{
    widget->setToolTip(toolTip);
    return widget;
}

} // namespace

QString otherModelName()
{
    return QStringLiteral("その他");
}

void createAddressBookControls(AddressBookControls &c, QWidget *window, const Twips &twips)
{
    c.Combo1 = tipped(named(new QComboBox(window), u"Combo1"_qs, u"アドレス帳の種類"_qs), u"アドレス帳の種類"_qs);
    twips.place(c.Combo1, 0, 0, 7095, 300);
    c.List1 = tipped(named(new QListWidget(window), u"List1"_qs, u"登録名"_qs),
                     u"選択すると下に詳細が表示されます。"_qs);
    c.List1->setContextMenuPolicy(Qt::CustomContextMenu);
    twips.place(c.List1, 0, 360, 5895, 1680);

    const QString captions[4] = {u"新規登録"_qs, u"変更"_qs, u"削除"_qs, u"インポート"_qs};
    const QString tips[4] = {
        u"新たにメールアドレスをアドレス帳に登録します。"_qs,
        u"データを編集後、下部の「保存」ボタンをクリックする事で、編集を保存できます。"_qs,
        u"現在選択中のアドレス情報を削除します"_qs,
        u"現在選択中のメールアドレス情報をMYアドレス帳に移行します"_qs,
    };
    const int tops[4] = {360, 720, 1080, 1560};
    for (int i = 0; i < 4; ++i) {
        c.Command3[i] = tipped(named(new QPushButton(captions[i], window), u"Command3(%1)"_qs.arg(i), captions[i]),
                               tips[i]);
        twips.place(c.Command3[i], 6000, tops[i], 1095, 375);
    }

    c.Frame2 = named(new QGroupBox(window), u"Frame2"_qs, u"詳細"_qs);
    twips.place(c.Frame2, 0, 2040, 7095, 2350);
    c.Label3 = namedLabel(new QLabel(u"･名前\n･ｱﾄﾞﾚｽ\n･機種\n･ﾆｯｸﾈｰﾑ\n･HP\n･PGP"_qs, c.Frame2), u"Label3"_qs);
    c.Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    twips.place(c.Label3, 120, 120, 1335, 2175);

    const QString fieldNames[5] = {u"ｱﾄﾞﾚｽ"_qs, u"名前"_qs, u"ﾆｯｸﾈｰﾑ"_qs, u"HP"_qs, u"PGP"_qs};
    const QString fieldTips[5] = {
        u"メールアドレス。i-modeのアドレスは、ユーザー名＋「@」＋「"_qs + carrierMailDomain() + u"」の形です。"_qs,
        u"登録名・名前。宛先にも使用される。\n         [名前<アドレス>で表示される。]"_qs,
        u"ニックネーム、BECKY上でアドレス欄に書くと自動でメールアドレスに変換してくれる。"_qs,
        u"ＨＰのアドレスを記入する欄。"_qs,
        u"ＰＧＰユーザーIDを記入するところである。"_qs,
    };
    const int fieldTops[5] = {480, 120, 1200, 1560, 1920};
    for (int i = 0; i < 5; ++i) {
        c.Text1[i] = tipped(named(new QLineEdit(c.Frame2), u"Text1(%1)"_qs.arg(i), fieldNames[i]), fieldTips[i]);
        twips.place(c.Text1[i], 1395, fieldTops[i], 5655, 375);
    }
    c.Combo2 = tipped(named(new QComboBox(c.Frame2), u"Combo2"_qs, u"機種"_qs),
                      u"Beckyでは、備考になります。携帯の機種を選んでください。"_qs);
    twips.place(c.Combo2, 1395, 840, 5655, 300);

    c.Label1 = namedLabel(new QLabel(window), u"Label1"_qs);
    c.Label1->setWordWrap(true);
    twips.place(c.Label1, 0, 4440, 4215, 495);
    c.Command1 = named(new QPushButton(u"ﾒｰﾙへ入力"_qs, window), u"Command1"_qs, u"ﾒｰﾙへ入力"_qs);
    twips.place(c.Command1, 4200, 4440, 1335, 495);
    c.Command2 = named(new QPushButton(u"閉じる"_qs, window), u"Command2"_qs, u"閉じる"_qs);
    twips.place(c.Command2, 5640, 4440, 1335, 495);

    c.Frame1 = named(new QGroupBox(u"FILE READ"_qs, window), u"Frame1"_qs, u"FILE READ"_qs);
    twips.place(c.Frame1, 3120, 3240, 3255, 735);
    c.Label2 = namedLabel(new QLabel(u"ファイルをドラッグ＆ドロップしてくださいキャンセルは、ESCキー"_qs, c.Frame1),
                          u"Label2"_qs);
    c.Label2->setWordWrap(true);
    c.Label2->setAcceptDrops(true);
    c.chooseFileButton = named(new QPushButton(u"ファイルを選択(&F)..."_qs, c.Frame1), u"chooseFileButton"_qs,
                               u"ファイルを選択"_qs);
    c.chooseFileButton->setToolTip(u"読み込むファイルを一覧から選びます（メイン画面では Ctrl+O）。"_qs);
    // The panel's contents take the room their font needs.
    auto *panel = new QVBoxLayout(c.Frame1);
    panel->addWidget(c.Label2);
    panel->addWidget(c.chooseFileButton, 0, Qt::AlignRight);
    c.Frame1->hide();

    c.MnuList = named(new QMenu(u"メニュー"_qs, window), u"MnuList"_qs, u"メニュー"_qs);
    c.adrchg = menuEntry(c.MnuList, u"adrchg"_qs, u"アドレス帳にインポート(&I)"_qs);
    c.MyMnuList = named(new QMenu(u"Editメニュー"_qs, window), u"MyMnuList"_qs, u"Editメニュー"_qs);
    c.OnMail = menuEntry(c.MyMnuList, u"OnMail"_qs, u"メールへ(&M)"_qs);
    c.MyMnuList->addSeparator()->setObjectName(u"Editbou"_qs);
    c.DelList = menuEntry(c.MyMnuList, u"DelList"_qs, u"削除(&D)"_qs);
    c.NameChg = menuEntry(c.MyMnuList, u"NameChg"_qs, u"登録名変更(&N)"_qs);
    c.MnuHenkou = menuEntry(c.MyMnuList, u"MnuHenkou"_qs, u"変更(&H)"_qs);
    c.NewAdr = menuEntry(c.MyMnuList, u"NewAdr"_qs, u"新規作成(&N)"_qs);
    c.BeckyEx = menuEntry(c.MyMnuList, u"BeckyEx"_qs, u"BECKYエクスポート(&B)"_qs);

    // Enter in a field must not press a button: no button of the window is
    // a default one.
    for (QPushButton *button : window->findChildren<QPushButton *>())
        button->setAutoDefault(false);
    setFieldsLocked(c, true);
}

void setFieldsLocked(AddressBookControls &c, bool locked)
{
    QPalette palette;
    if (locked)
        palette.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    for (QLineEdit *field : c.Text1) {
        field->setReadOnly(locked);
        field->setPalette(palette);
    }
    c.Combo2->setEnabled(!locked);
    c.Combo2->setPalette(palette);
}
