#include "gui/addressbook/AddressBookWindow.h"
#include "addressbook/BookWindowHelpers.h"
#include "core/platform/Cp932.h"
#include "core/platform/TextFile.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using AddressBookKeepsData = AddressBookTest;

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;


void saveOnClose(WindowHarness &h, AddressBookWindow &book)
{
    expectSaveQuestion(h, Answer::Yes);
    book.close();
    h.dialogs.verifyAllShown();
}

TEST_F(AddressBookKeepsData, EntriesWithoutDetailsKeepTheirNames)
{
    AddressBookWindow &book = open(u"d@isp.jp\tディー\t\r\nsolo@docomo.ne.jp\r\n"_qs);
    book.ui().entryList->setCurrentRow(1);
    h.dialogs.expectInput(u"登録名変更？"_qs, u"名前を変更しますか？"_qs, u"ソロ"_qs, u"solo@docomo.ne.jp"_qs);
    book.ui().renameAction->trigger();
    saveOnClose(h, book);

    EXPECT_EQ(h.folder.readText(kAddrBook), u"d@isp.jp\tディー\t\r\nsolo@docomo.ne.jp\tソロ\t\r\n"_qs);
    EXPECT_EQ(toListItems(h.ui()), QStringList({u"ディー<d@isp.jp>#0"_qs, u"ソロ<solo@docomo.ne.jp>#0"_qs}));
    AddressBookWindow &again = openMyAdr(h);
    EXPECT_EQ(entryLines(again), QStringList({u"ディー"_qs, u"ソロ"_qs}));
    again.close();
}

TEST_F(AddressBookKeepsData, ImportKeepsTheTypedRecipientAndEndsTheBooksLastLine)
{
    // A hand-edited book whose last line has no line end.
    h.folder.writeText(kAddrBook, u"x@isp.jp"_qs);
    ASSERT_TRUE(h.start());
    h.focusToField(); // reads the book into the To list
    h.ui().toField->clear(); // the first import fills an empty To list
    h.ui().toField->setEditText(u"typed@docomo.ne.jp"_qs);
    h.state().mail.lockImodeOff(); // no i-mode question
    writeBeckyBook(h, u"c.adr"_qs, u"d@isp.jp\tディー\t\r\n"_qs);
    h.ui().beckyAddressBookButton->click();
    AddressBookWindow *book = h.addressBook();
    ASSERT_NE(book, nullptr);
    h.dialogs.expectMessage(u"インポート"_qs, u"ディーをMYアドレス帳に登録しますか？"_qs, Buttons::YesNo, Icon::None,
                            Answer::Yes);
    book->ui().importExportButton->click();
    EXPECT_EQ(h.folder.readText(kAddrBook), u"x@isp.jp\r\nd@isp.jp\tディー\t\r\n"_qs);
    EXPECT_EQ(h.ui().toField->currentText(), u"typed@docomo.ne.jp"_qs);
    EXPECT_EQ(toListItems(h.ui()), QStringList({u"d@isp.jp#0"_qs}));
    book->close();
}

TEST_F(AddressBookKeepsData, DeletingTheOnlyEntryWhileEditingLeavesNothingToCommit)
{
    AddressBookWindow &book = open(u"only@docomo.ne.jp\r\n"_qs);
    const AddressBookControls &c = book.ui();
    c.editButton->click();
    typeInto(c.nameField, u"x"_qs);
    h.dialogs.expectMessage(u"削除確認"_qs, u"only@docomo.ne.jpを削除しますか？"_qs, Buttons::YesNo, Icon::None,
                            Answer::Yes);
    c.deleteButton->click();
    for (QLineEdit *field : c.textFields()) {
        EXPECT_TRUE(field->text().isEmpty()) << field->objectName().toStdString();
        EXPECT_TRUE(field->isReadOnly()) << field->objectName().toStdString();
    }

    // Typing on and switching to a new entry cannot write into it.
    typeInto(c.addressField, u"stale"_qs);
    h.dialogs.expectInput(u"登録名"_qs, u"新規作成する名前、又は、mailアドレスを打ち込んでください。"_qs,
                          u"new@docomo.ne.jp"_qs);
    c.newEntryButton->click();
    c.entryList->setCurrentRow(0); // a "保存？" question here would fail the test
    EXPECT_EQ(book.entries(), QList<AddressEntry>({{u"new@docomo.ne.jp"_qs, u"new@docomo.ne.jp"_qs, QString()}}));
    saveOnClose(h, book);
    EXPECT_EQ(h.folder.readText(kAddrBook), u"new@docomo.ne.jp\r\n"_qs);
}

TEST_F(AddressBookKeepsData, ASaveKeepsAnAddressRegisteredWhileTheWindowWasOpen)
{
    AddressBookWindow &book = open(u"a@docomo.ne.jp\r\n"_qs);
    // The send command registers a new recipient by appending a line.
    ASSERT_TRUE(textfile::appendAll(h.folder.file(kAddrBook), cp932::encode(u"sent@docomo.ne.jp\r\n"_qs)));
    h.dialogs.expectInput(u"登録名"_qs, u"新規作成する名前、又は、mailアドレスを打ち込んでください。"_qs,
                          u"b@docomo.ne.jp"_qs);
    book.ui().newEntryButton->click();
    saveOnClose(h, book);
    EXPECT_EQ(h.folder.readText(kAddrBook), u"a@docomo.ne.jp\r\nb@docomo.ne.jp\r\nsent@docomo.ne.jp\r\n"_qs);
    EXPECT_EQ(toListItems(h.ui()),
              QStringList({u"a@docomo.ne.jp#0"_qs, u"b@docomo.ne.jp#0"_qs, u"sent@docomo.ne.jp#0"_qs}));
}

// Export with a group name that would leave Becky's address book folder:
// refused with a message and asked again.
TEST_F(AddressBookKeepsData, ExportRefusesGroupNamesOutsideTheFolderAndAsksAgain)
{
    AddressBookWindow &book = open(u"a@docomo.ne.jp\r\n"_qs);
    QDir().mkpath(beckyBooks());
    expectExport(h, u"../evil"_qs)
        .expectMessage(u"グループ名指定"_qs,
                       u"そのグループ名は、ファイル名に使えません。\r\n"
                       u"\\ / : * ? \" < > | と「..」、制御文字、前後の空白を除いて、もう一度指定してください。"_qs,
                       Buttons::Ok, Icon::Exclamation)
        .expectInput(u"グループ名指定"_qs, u"Beckyのアドレス帳で使用するグループ名を指定してください。"_qs, u"good"_qs,
                     u"../evil"_qs)
        .expectMessage(Dialogs::defaultTitle(), u"追加完了しました。"_qs, Buttons::Ok, Icon::None);
    book.ui().importExportButton->click();
    EXPECT_FALSE(QFile::exists(h.dataFolder() + u"evil.Adr"_qs));
    EXPECT_EQ(QDir(beckyBooks()).entryList(QDir::Files), QStringList({u"good.Adr"_qs}));
    book.close();
}

// Becky's books live on a Windows file system, where letter case does not
// tell files apart: the existing file is the one overwritten.
TEST_F(AddressBookKeepsData, ExportFindsAnExistingGroupWhateverItsLetterCase)
{
    AddressBookWindow &book = open(u"a@docomo.ne.jp\r\n"_qs);
    writeBeckyBook(h, u"i-mode.adr"_qs, u"old\r\n"_qs);
    expectExport(h, u"I-MODE"_qs);
    expectOverwrite(h, Answer::Yes)
        .expectMessage(Dialogs::defaultTitle(), u"追加完了しました。"_qs, Buttons::Ok, Icon::None);
    book.ui().importExportButton->click();
    EXPECT_EQ(QDir(beckyBooks()).entryList(QDir::Files), QStringList({u"i-mode.adr"_qs}));
    EXPECT_EQ(h.folder.readText(u"becky/AddrBook/i-mode.adr"_qs), u"a@docomo.ne.jp\r\n"_qs);
    book.close();
}

} // namespace
