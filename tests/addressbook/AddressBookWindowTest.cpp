#include "gui/addressbook/AddressBookWindow.h"
#include "addressbook/BookWindowHelpers.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

using BeckyAddressBook = AddressBookTest;
using MyAddressBook = AddressBookTest;
using OpenCommand = AddressBookTest;

using Answer = Dialogs::Answer;

const QString addrBook = kAddrBook;

TEST_F(MyAddressBook, LoadsTheBookAndPutsAddressesIntoTheMail)
{
    AddressBookWindow &book = open(u"solo@docomo.ne.jp\r\nメモ\r\nb@docomo.ne.jp\tビー\tN501i\tbee\t.\t.\r\n"_qs);
    const AddressBookControls &c = book.ui();
    EXPECT_EQ(book.mode(), AddressBookWindow::Mode::MyAdr);
    EXPECT_EQ(c.bookList->count(), 1);
    EXPECT_EQ(c.bookList->currentText(), u"addr"_qs);
    EXPECT_FALSE(c.bookList->isEnabled());
    EXPECT_EQ(c.importExportButton->text(), u"エクスポート"_qs);
    EXPECT_EQ(entryLines(book), QStringList({u"solo@docomo.ne.jp"_qs, u"ビー"_qs}));
    EXPECT_EQ(c.addressField->text(), u"solo@docomo.ne.jp"_qs);
    EXPECT_EQ(c.modelField->currentText(), u"不明"_qs);
    EXPECT_TRUE(c.addressField->isReadOnly());

    c.putIntoMailButton->click();
    EXPECT_EQ(h.ui().toField->currentText(), u"solo@docomo.ne.jp"_qs);
    c.entryList->setCurrentRow(1);
    EXPECT_EQ(c.modelField->currentText(), u"N501i"_qs);
    EXPECT_EQ(c.nicknameField->text(), u"bee"_qs);
    c.putIntoMailButton->click();
    EXPECT_EQ(h.ui().toField->currentText(), u"solo@docomo.ne.jp,b@docomo.ne.jp"_qs);
    book.close();
    EXPECT_EQ(h.state().accounts.beckyBookIndex, 0);
}

TEST_F(MyAddressBook, SavingCommitsWritesTheFileAndRebuildsTheToList)
{
    AddressBookWindow &book = open(u"solo@docomo.ne.jp\r\njunk line\r\n"_qs);
    const AddressBookControls &c = book.ui();

    h.dialogs.expectInput(u"登録名"_qs, u"新規作成する名前、又は、mailアドレスを打ち込んでください。"_qs,
                          u"花子@docomo.ne.jp"_qs, u"@docomo.ne.jp"_qs);
    c.newEntryButton->click();
    EXPECT_TRUE(book.bookChanged());
    c.entryList->setCurrentRow(1);
    c.editButton->click();
    EXPECT_EQ(c.putIntoMailButton->text(), u"保存"_qs);
    EXPECT_FALSE(c.addressField->isReadOnly());
    c.modelField->setCurrentIndex(c.modelField->findText(u"F501i"_qs));
    emit c.modelField->activated(c.modelField->currentIndex());
    typeInto(c.nameField, u"さん"_qs);
    h.dialogs.expectMessage(u"アドレス帳更新"_qs, u"保存しました。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    c.putIntoMailButton->click();

    EXPECT_EQ(h.folder.readText(addrBook),
              u"solo@docomo.ne.jp\r\n花子@docomo.ne.jp\t花子@docomo.ne.jpさん\tF501i\t.\t.\t.\r\n"_qs);
    EXPECT_EQ(c.putIntoMailButton->text(), u"ﾒｰﾙへ入力"_qs);
    EXPECT_FALSE(book.saveMode());
    EXPECT_FALSE(book.bookChanged());
    EXPECT_EQ(c.homePageField->text(), u"."_qs);
    EXPECT_TRUE(c.addressField->isReadOnly());
    EXPECT_EQ(toListItems(h.ui()),
              QStringList({u"solo@docomo.ne.jp#0"_qs, u"花子@docomo.ne.jpさん<花子@docomo.ne.jp>#2"_qs}));
    book.close();
}

TEST_F(MyAddressBook, SwitchingAwayAsksAndStoresTheEditInThePreviousEntry)
{
    AddressBookWindow &book = open(u"a@docomo.ne.jp\tエー\tP501i\t.\t.\t.\r\nb@docomo.ne.jp\tビー\tD501i\t.\t.\t.\r\n"_qs);
    const AddressBookControls &c = book.ui();
    c.editButton->click();
    c.nicknameField->clear();
    typeInto(c.nicknameField, u"えーちゃん"_qs);
    h.dialogs.expectMessage(u"保存？"_qs, u"アドレス情報が変更されたようです。保存しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
    c.entryList->setCurrentRow(1);
    EXPECT_EQ(book.entries()[0].details, u"P501i\tえーちゃん\t.\t."_qs);
    EXPECT_EQ(book.entries()[1].details, u"D501i\t.\t.\t."_qs);
    EXPECT_EQ(c.nicknameField->text(), u"."_qs);

    // Answering No drops the edit; the close then offers to save the book.
    c.editButton->click();
    typeInto(c.addressField, u"x"_qs);
    h.dialogs.expectMessage(u"保存？"_qs, u"アドレス情報が変更されたようです。保存しますか？"_qs, Dialogs::Buttons::YesNoCancel, Dialogs::Icon::None, Answer::No)
        .expectMessage(u"アドレス帳保存"_qs, u"アドレス帳に変更があります。保存しますか？"_qs, Dialogs::Buttons::YesNoCancel, Dialogs::Icon::None, Answer::No);
    book.close();
    EXPECT_EQ(book.entries()[1].address, u"b@docomo.ne.jp"_qs);
    EXPECT_EQ(h.folder.readText(addrBook).count(u"えーちゃん"_qs), 0);
}

TEST_F(MyAddressBook, ChoosingOtherAddsAPhoneModel)
{
    AddressBookWindow &book = open(u"a@docomo.ne.jp\tエー\tP501i\tnick\t.\t.\r\n"_qs);
    const AddressBookControls &c = book.ui();
    EXPECT_EQ(c.modelField->itemText(0), u"不明"_qs);
    EXPECT_EQ(c.modelField->itemData(0).toInt(), 809);
    c.editButton->click();
    c.modelField->setCurrentIndex(c.modelField->count() - 1);
    EXPECT_EQ(c.modelField->currentText(), u"その他"_qs);
    emit c.modelField->activated(c.modelField->currentIndex());
    h.dialogs.expectInput(u"機種名"_qs, u"機種名を入れてください"_qs, u"SO502i"_qs, u"不明"_qs)
        .expectInput(u"機種名"_qs, u"その携帯の表示できる桁数行数を続けて入力してください。\r\n※例　8桁9行の場合は、0809"_qs,
                     u"1008"_qs, u"0809"_qs)
        .expectMessage(u"アドレス帳更新"_qs, u"保存しました。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    c.putIntoMailButton->click();
    EXPECT_EQ(h.folder.readText(u"Keitai.pre"_qs), u"SO502i#1008\r\n"_qs);
    EXPECT_EQ(c.modelField->currentText(), u"SO502i"_qs);
    EXPECT_EQ(c.modelField->itemText(c.modelField->count() - 1), u"その他"_qs);
    EXPECT_EQ(h.folder.readText(addrBook), u"a@docomo.ne.jp\tエー\tSO502i\tnick\t.\t.\r\n"_qs);
    book.close();
}

TEST_F(MyAddressBook, DeletingTheLastEntryAndSavingOnCloseWritesAnEmptyBook)
{
    AddressBookWindow &book = open(u"only@docomo.ne.jp\r\n"_qs);
    h.dialogs.expectInput(u"登録名"_qs, u"新規作成する名前、又は、mailアドレスを打ち込んでください。"_qs, u"名無し"_qs,
                          u"@docomo.ne.jp"_qs);
    book.ui().newEntryButton->click();
    EXPECT_EQ(book.entries().last().address, QString());
    h.dialogs.expectMessage(u"削除確認"_qs, u"only@docomo.ne.jpを削除しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
    book.ui().deleteButton->click();
    EXPECT_EQ(entryLines(book), QStringList({u"名無し"_qs}));
    expectSaveQuestion(h, Answer::Yes);
    book.close();
    // An entry made of a name only has neither address nor details: not written.
    EXPECT_EQ(h.folder.readBytes(addrBook), QByteArray());
    EXPECT_TRUE(toListItems(h.ui()).isEmpty());
}

TEST_F(MyAddressBook, ExportsWithTheDefaultGroupName)
{
    AddressBookWindow &book = open(u"自\ta@docomo\r\n"_qs);
    QDir().mkpath(beckyBooks());
    expectExport(h, u"i-mode"_qs)
        .expectMessage(Dialogs::defaultTitle(), u"追加完了しました。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    book.ui().importExportButton->click();
    EXPECT_EQ(h.folder.readBytes(u"becky/AddrBook/i-mode.Adr"_qs), h.folder.readBytes(addrBook)); // byte for byte

    // The group exists now: No leaves it alone.
    expectExport(h, u"i-mode"_qs);
    expectOverwrite(h, Answer::No);
    book.ui().importExportButton->click();
    book.close();
}

TEST_F(BeckyAddressBook, ImodeQuestionFiltersListingAndLoading)
{
    ASSERT_TRUE(h.start());
    writeBeckyBook(h, u"a.adr"_qs, u"x@isp.jp\tエックス\t備考\r\nlast@docomo.ne.jp\r\n"_qs);
    writeBeckyBook(h, u"b.adr"_qs, u"y@isp.jp\tワイ\t\r\n"_qs);
    writeBeckyBook(h, u"c.adr"_qs, QString());
    h.dialogs.expectMessage(u"CHECK"_qs,
                            u"設定がi-mode用になっていませんが、i-mode用のアドレス帳として起動しますか？\r\n"
                            u"(i-mode設定欄にチェックが入ります。)"_qs,
                            Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
    h.ui().beckyAddressBookButton->click();
    EXPECT_TRUE(h.ui().imodeSetting->isChecked());
    AddressBookWindow *book = h.addressBook();
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(book->mode(), AddressBookWindow::Mode::BeckyAdr);
    EXPECT_EQ(book->ui().bookList->count(), 1);
    EXPECT_EQ(entryLines(*book), QStringList({u"last@docomo.ne.jp"_qs}));
    EXPECT_FALSE(book->ui().newEntryButton->isEnabled());
    EXPECT_EQ(book->ui().importExportButton->text(), u"インポート"_qs);
    book->close();
}

TEST_F(BeckyAddressBook, ChoosesTheRememberedBookAndImportsIntoMyAdr)
{
    ASSERT_TRUE(h.start());
    h.ui().addressBookButton->setEnabled(false);
    writeBeckyBook(h, u"a.adr"_qs, u"a@isp.jp\r\n"_qs);
    writeBeckyBook(h, u"b.adr"_qs, u"b@isp.jp\r\n"_qs);
    writeBeckyBook(h, u"c.Adr"_qs, u"c@isp.jp\tシー\tメモ\r\nd@isp.jp\tディー\t\r\n"_qs);
    h.state().mail.lockImodeOff(); // no i-mode question

    struct Row {
        int remembered;
        QString chosen;
    };
    for (const Row &row : {Row{2, u"c"_qs}, Row{3, u"a"_qs}, Row{-1, u"a"_qs}}) {
        h.state().accounts.beckyBookIndex = row.remembered;
        h.ui().beckyAddressBookButton->click();
        AddressBookWindow *book = h.addressBook();
        ASSERT_NE(book, nullptr);
        EXPECT_EQ(book->ui().bookList->currentText(), row.chosen) << row.remembered;
        book->close();
    }

    h.state().accounts.beckyBookIndex = 2;
    h.ui().beckyAddressBookButton->click();
    AddressBookWindow *book = h.addressBook();
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(book->ui().modelField->count(), 1);
    EXPECT_EQ(book->ui().modelField->currentText(), u"メモ"_qs);
    book->ui().entryList->setCurrentRow(1);
    h.dialogs.expectMessage(u"インポート"_qs, u"ディーをMYアドレス帳に登録しますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
    book->ui().importExportButton->click();
    EXPECT_EQ(h.folder.readText(addrBook), u"d@isp.jp\tディー\t\r\n"_qs);
    EXPECT_TRUE(h.ui().addressBookButton->isEnabled());
    EXPECT_EQ(toListItems(h.ui()), QStringList({u"d@isp.jp#0"_qs}));
    book->ui().bookList->setCurrentIndex(1);
    book->close();
    EXPECT_EQ(h.state().accounts.beckyBookIndex, 1);
}

TEST_F(OpenCommand, LoadsTheDroppedFileTheUserConfirms)
{
    h.folder.writeText(u"one.txt"_qs, u"いち"_qs);
    h.folder.writeText(u"two.txt"_qs, u"に"_qs);
    ASSERT_TRUE(h.start());
    const QString one = h.folder.file(u"one.txt"_qs);
    const QString two = h.folder.file(u"two.txt"_qs);
    h.dialogs.expectMessage(u"Horo"_qs, QDir::toNativeSeparators(one) + u"を読み込みますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No)
        .expectMessage(u"Horo"_qs, QDir::toNativeSeparators(two) + u"を読み込みますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes);
    QTimer::singleShot(0, &h.window(), [this, one, two] {
        AddressBookWindow *panel = h.addressBook();
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->windowTitle(), u"読み込み"_qs);
        EXPECT_TRUE(panel->ui().dropTarget->acceptDrops());
        panel->dropFiles({one, two});
    });
    h.state().accounts.beckyBookIndex = 2;
    h.ui().openEntry->trigger();
    EXPECT_EQ(h.body(), u"に"_qs);
    EXPECT_EQ(h.state().accounts.beckyBookIndex, 2);
}

// The panel's button offers the file chooser; the chosen file loads in its
// own encoding, here UTF-8 without a byte order mark.
TEST_F(OpenCommand, ThePanelOffersTheFileChooser)
{
    h.folder.writeBytes(u"utf8.txt"_qs, hexBytes("e381afe38184 0d0a 41")); // "はい", CR LF, "A" in UTF-8
    ASSERT_TRUE(h.start());
    h.dialogs.expectFileChoice(u"ファイルを開く"_qs, std::nullopt)
        .expectFileChoice(u"ファイルを開く"_qs, h.folder.file(u"utf8.txt"_qs));
    QTimer::singleShot(0, &h.window(), [this] {
        AddressBookWindow *panel = h.addressBook();
        ASSERT_NE(panel, nullptr);
        panel->ui().chooseFileButton->click();
        EXPECT_TRUE(panel->isVisible()) << "a cancelled chooser closed the panel";
        panel->ui().chooseFileButton->click();
    });
    h.ui().openEntry->trigger();
    EXPECT_EQ(h.body(), u"はい\r\nA"_qs);
}

// Ctrl+O opens the chooser straight from the main window; Cancel changes
// nothing.
TEST_F(OpenCommand, CtrlOOpensTheFileChooser)
{
    h.folder.writeBytes(u"utf16.txt"_qs, hexBytes("fffe 6f30 4430")); // "はい" in UTF-16LE with its mark
    ASSERT_TRUE(h.start());
    h.setBody(u"本文"_qs);
    // Through the window system, as a key press reaches the shortcuts.
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    QWindow *window = h.window().windowHandle();
    h.dialogs.expectFileChoice(u"ファイルを開く"_qs, std::nullopt);
    QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
    h.dialogs.verifyAllShown();
    EXPECT_EQ(h.body(), u"本文"_qs);
    h.dialogs.expectFileChoice(u"ファイルを開く"_qs, h.folder.file(u"utf16.txt"_qs));
    QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(h.body(), u"はい"_qs);
}

TEST_F(OpenCommand, EscapeCancels)
{
    ASSERT_TRUE(h.start());
    h.setBody(u"本文"_qs);
    QTimer::singleShot(0, &h.window(), [this] {
        AddressBookWindow *panel = h.addressBook();
        ASSERT_NE(panel, nullptr);
        QTest::keyClick(panel, Qt::Key_Escape);
    });
    h.ui().openEntry->trigger();
    EXPECT_EQ(h.body(), u"本文"_qs);
}

} // namespace
