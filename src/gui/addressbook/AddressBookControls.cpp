#include "gui/addressbook/AddressBookControls.h"

#include "core/addressbook/CarrierDomain.h"
#include "gui/platform/ControlNames.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QString &toolTip)
{
    return tipped(named(new QPushButton(caption, parent), name, caption), toolTip);
}

QLineEdit *field(QWidget *parent, const QString &name, const QString &spoken, const QString &toolTip)
{
    return tipped(named(new QLineEdit(parent), name, spoken), toolTip);
}

// The book list, and the entry list with its buttons beside it.
void createBookControls(AddressBookControls &c, QVBoxLayout *layout)
{
    QWidget *panel = c.bookPanel;
    c.bookList = tipped(named(new QComboBox(panel), u"Combo1"_qs, u"アドレス帳の種類"_qs), u"アドレス帳の種類"_qs);
    c.entryList = tipped(named(new QListWidget(panel), u"List1"_qs, u"登録名"_qs),
                         u"選択すると下に詳細が表示されます。"_qs);
    c.entryList->setContextMenuPolicy(Qt::CustomContextMenu);
    c.newEntryButton = button(panel, u"Command3(0)"_qs, u"新規登録"_qs, u"新たにメールアドレスをアドレス帳に登録します。"_qs);
    c.editButton = button(panel, u"Command3(1)"_qs, u"変更"_qs,
                          u"データを編集後、下部の「保存」ボタンをクリックする事で、編集を保存できます。"_qs);
    c.deleteButton = button(panel, u"Command3(2)"_qs, u"削除"_qs, u"現在選択中のアドレス情報を削除します"_qs);
    c.importExportButton = button(panel, u"Command3(3)"_qs, u"インポート"_qs,
                                  u"現在選択中のメールアドレス情報をMYアドレス帳に移行します"_qs);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(c.newEntryButton);
    buttons->addWidget(c.editButton);
    buttons->addWidget(c.deleteButton);
    // Import or export stands apart from the three editing buttons.
    buttons->addSpacing(c.importExportButton->fontMetrics().height() / 2);
    buttons->addWidget(c.importExportButton);
    buttons->addStretch();
    auto *entries = new QHBoxLayout;
    entries->addWidget(c.entryList, 1);
    entries->addLayout(buttons);

    layout->addWidget(c.bookList);
    layout->addLayout(entries, 1);
}

// The details of the shown entry, each field beside its caption.
void createDetailControls(AddressBookControls &c, QVBoxLayout *layout)
{
    c.detailGroup = named(new QGroupBox(c.bookPanel), u"Frame2"_qs, u"詳細"_qs);
    QGroupBox *group = c.detailGroup;
    c.nameField = field(group, u"Text1(1)"_qs, u"名前"_qs,
                        u"登録名・名前。宛先にも使用される。\n         [名前<アドレス>で表示される。]"_qs);
    c.addressField = field(group, u"Text1(0)"_qs, u"ｱﾄﾞﾚｽ"_qs,
                           u"メールアドレス。i-modeのアドレスは、ユーザー名＋「@」＋「"_qs + carrierMailDomain()
                               + u"」の形です。"_qs);
    c.modelField = tipped(named(new QComboBox(group), u"Combo2"_qs, u"機種"_qs),
                          u"Beckyでは、備考になります。携帯の機種を選んでください。"_qs);
    c.nicknameField = field(group, u"Text1(2)"_qs, u"ﾆｯｸﾈｰﾑ"_qs,
                            u"ニックネーム、BECKY上でアドレス欄に書くと自動でメールアドレスに変換してくれる。"_qs);
    c.homePageField = field(group, u"Text1(3)"_qs, u"HP"_qs, u"ＨＰのアドレスを記入する欄。"_qs);
    c.pgpField = field(group, u"Text1(4)"_qs, u"PGP"_qs, u"ＰＧＰユーザーIDを記入するところである。"_qs);

    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    struct Row {
        QString caption;
        QString name;
        QWidget *field;
    };
    const Row rows[] = {
        {u"･名前"_qs, u"nameCaption"_qs, c.nameField},
        {u"･ｱﾄﾞﾚｽ"_qs, u"addressCaption"_qs, c.addressField},
        {u"･機種"_qs, u"modelCaption"_qs, c.modelField},
        {u"･ﾆｯｸﾈｰﾑ"_qs, u"nicknameCaption"_qs, c.nicknameField},
        {u"･HP"_qs, u"homePageCaption"_qs, c.homePageField},
        {u"･PGP"_qs, u"pgpCaption"_qs, c.pgpField},
    };
    for (const Row &row : rows) {
        auto *caption = namedLabel(new QLabel(row.caption, group), row.name);
        // A screen reader names the field by its caption.
        caption->setBuddy(row.field);
        form->addRow(caption, row.field);
    }
    layout->addWidget(group);
}

// The hint and the two buttons along the bottom.
void createBottomControls(AddressBookControls &c, QVBoxLayout *layout)
{
    QWidget *panel = c.bookPanel;
    c.hintLabel = namedLabel(new QLabel(panel), u"Label1"_qs);
    c.hintLabel->setWordWrap(true);
    // Two lines of hint, the width the buttons leave: a longer hint never
    // moves the controls.
    c.hintLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    c.hintLabel->setFixedHeight(c.hintLabel->fontMetrics().lineSpacing() * 2);
    c.putIntoMailButton = named(new QPushButton(u"ﾒｰﾙへ入力"_qs, panel), u"Command1"_qs, u"ﾒｰﾙへ入力"_qs);
    c.closeButton = named(new QPushButton(u"閉じる"_qs, panel), u"Command2"_qs, u"閉じる"_qs);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(c.hintLabel, 1);
    bottom->addWidget(c.putIntoMailButton);
    bottom->addWidget(c.closeButton);
    layout->addLayout(bottom);
}

void createFileReadPanel(AddressBookControls &c, QWidget *window)
{
    c.fileReadPanel = named(new QGroupBox(u"FILE READ"_qs, window), u"Frame1"_qs, u"FILE READ"_qs);
    c.dropTarget = namedLabel(new QLabel(u"ファイルをドラッグ＆ドロップしてくださいキャンセルは、ESCキー"_qs, c.fileReadPanel),
                              u"Label2"_qs);
    c.dropTarget->setWordWrap(true);
    c.dropTarget->setAcceptDrops(true);
    c.chooseFileButton = named(new QPushButton(u"ファイルを選択(&F)..."_qs, c.fileReadPanel), u"chooseFileButton"_qs,
                               u"ファイルを選択"_qs);
    c.chooseFileButton->setToolTip(u"読み込むファイルを一覧から選びます（メイン画面では Ctrl+O）。"_qs);
    auto *panel = new QVBoxLayout(c.fileReadPanel);
    panel->addWidget(c.dropTarget, 1);
    panel->addWidget(c.chooseFileButton, 0, Qt::AlignRight);
    c.fileReadPanel->hide();
}

void createMenus(AddressBookControls &c, QWidget *window)
{
    c.bookMenu = named(new QMenu(u"メニュー"_qs, window), u"MnuList"_qs, u"メニュー"_qs);
    c.importAction = menuEntry(c.bookMenu, u"adrchg"_qs, u"アドレス帳にインポート(&I)"_qs);
    c.myAdrMenu = named(new QMenu(u"Editメニュー"_qs, window), u"MyMnuList"_qs, u"Editメニュー"_qs);
    c.putIntoMailAction = menuEntry(c.myAdrMenu, u"OnMail"_qs, u"メールへ(&M)"_qs);
    c.myAdrMenu->addSeparator()->setObjectName(u"Editbou"_qs);
    c.deleteAction = menuEntry(c.myAdrMenu, u"DelList"_qs, u"削除(&D)"_qs);
    c.renameAction = menuEntry(c.myAdrMenu, u"NameChg"_qs, u"登録名変更(&N)"_qs);
    c.editAction = menuEntry(c.myAdrMenu, u"MnuHenkou"_qs, u"変更(&H)"_qs);
    c.newEntryAction = menuEntry(c.myAdrMenu, u"NewAdr"_qs, u"新規作成(&N)"_qs);
    c.exportAction = menuEntry(c.myAdrMenu, u"BeckyEx"_qs, u"BECKYエクスポート(&B)"_qs);
}

} // namespace

QString otherModelName()
{
    return QStringLiteral("その他");
}

void createAddressBookControls(AddressBookControls &c, QWidget *window)
{
    c.bookPanel = new QWidget(window);
    auto *book = new QVBoxLayout(c.bookPanel);
    book->setContentsMargins({});
    createBookControls(c, book);
    createDetailControls(c, book);
    createBottomControls(c, book);
    createFileReadPanel(c, window);
    createMenus(c, window);

    auto *layout = new QVBoxLayout(window);
    layout->addWidget(c.bookPanel);
    layout->addWidget(c.fileReadPanel);

    // Enter in a field must not press a button: no button of the window is
    // a default one.
    for (QPushButton *b : window->findChildren<QPushButton *>())
        b->setAutoDefault(false);
    setFieldsLocked(c, true);
}

void setFieldsLocked(AddressBookControls &c, bool locked)
{
    QPalette palette;
    if (locked)
        palette.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    for (QLineEdit *f : c.textFields()) {
        f->setReadOnly(locked);
        f->setPalette(palette);
    }
    c.modelField->setEnabled(!locked);
    c.modelField->setPalette(palette);
}
