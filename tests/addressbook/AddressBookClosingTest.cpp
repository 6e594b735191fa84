#include "gui/addressbook/AddressBookWindow.h"
#include "addressbook/BookWindowHelpers.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using AddressBookClosing = AddressBookTest;

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;

const QString kNewEntryPrompt = u"新規作成する名前、又は、mailアドレスを打ち込んでください。"_qs;

// MY ADR with one entry and a second one added but not saved.
AddressBookWindow &openWithNewEntry(WindowHarness &h)
{
    AddressBookWindow &book = startWithMyAdr(h, u"a@docomo.ne.jp\r\n"_qs);
    h.dialogs.expectInput(u"登録名"_qs, kNewEntryPrompt, u"b@docomo.ne.jp"_qs);
    book.ui().newEntryButton->click();
    EXPECT_TRUE(book.bookChanged());
    return book;
}

// A folder in the book's place cannot be replaced: the save fails.
void makeBookUnwritable(WindowHarness &h)
{
    ASSERT_TRUE(QFile::remove(h.folder.file(kAddrBook)));
    ASSERT_TRUE(QDir(h.folder.path()).mkdir(kAddrBook));
}

// Cancel on the question (or ESC on it) goes back to editing.
TEST_F(AddressBookClosing, EscapeRunsTheCloseQuestions)
{
    struct Row {
        Answer answer;
        QString written;
    };
    for (const Row &row : {Row{Answer::Yes, u"a@docomo.ne.jp\r\nb@docomo.ne.jp\r\n"_qs},
                           Row{Answer::No, u"a@docomo.ne.jp\r\n"_qs}, Row{Answer::Cancel, u"a@docomo.ne.jp\r\n"_qs}}) {
        WindowHarness h;
        AddressBookWindow &book = openWithNewEntry(h);
        expectSaveQuestion(h, row.answer);
        QTest::keyClick(book.ui().entryList, Qt::Key_Escape);
        h.dialogs.verifyAllShown();
        const bool closed = row.answer != Answer::Cancel;
        EXPECT_EQ(book.isClosing(), closed);
        EXPECT_EQ(book.isVisible(), !closed);
        EXPECT_EQ(h.folder.readText(kAddrBook), row.written);
        if (!closed) {
            EXPECT_EQ(book.entries().size(), 2);
            expectSaveQuestion(h, Answer::No);
            book.close();
        }
    }
}

TEST_F(AddressBookClosing, EnterInAFieldPressesNoButton)
{
    AddressBookWindow &book = open(u"a@docomo.ne.jp\r\n"_qs);
    book.ui().editButton->click(); // edit: the fields take input
    for (QLineEdit *field : book.ui().textFields())
        QTest::keyClick(field, Qt::Key_Return); // an input box here would fail the test
    EXPECT_EQ(book.entries().size(), 1);
    EXPECT_TRUE(book.isVisible());
    EXPECT_FALSE(book.bookChanged());
}

// Ending the program with an unsaved book: the book's question comes
// first; a failed save keeps the program running, No is the user's choice
// to drop the change.
TEST_F(AddressBookClosing, EndingTheProgramAsksTheOpenBookFirst)
{
    struct Row {
        const char *how;
        Answer answer;
        bool saveFails;
        bool ends;
        QString written;
    };
    const Row rows[] = {
        {"close box, Yes", Answer::Yes, false, true, u"a@docomo.ne.jp\r\nb@docomo.ne.jp\r\n"_qs},
        {"close box, No", Answer::No, false, true, u"a@docomo.ne.jp\r\n"_qs},
        {"close box, failed save", Answer::Yes, true, false, QString()},
        {"close box, Cancel", Answer::Cancel, false, false, QString()},
        {"exit, Yes", Answer::Yes, false, true, u"a@docomo.ne.jp\r\nb@docomo.ne.jp\r\n"_qs},
        {"exit, failed save", Answer::Yes, true, false, QString()},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.how);
        WindowHarness h;
        AddressBookWindow &book = openWithNewEntry(h);
        if (row.saveFails)
            makeBookUnwritable(h);
        expectSaveQuestion(h, row.answer);
        if (row.saveFails)
            h.dialogs.expectMessage(Dialogs::defaultTitle(), u"アドレス帳を保存できませんでした。"_qs, Buttons::Ok,
                                    Icon::None);
        const bool ended = h.end(QString::fromLatin1(row.how).startsWith(u"exit"_qs) ? WindowHarness::Ending::ExitEntry
                                                                                     : WindowHarness::Ending::CloseBox);
        h.dialogs.verifyAllShown();
        EXPECT_EQ(ended, row.ends);
        if (!row.ends) {
            EXPECT_TRUE(book.isVisible());
            EXPECT_EQ(book.entries().size(), 2);
            expectSaveQuestion(h, Answer::No);
            book.close();
        } else {
            EXPECT_EQ(h.folder.readText(kAddrBook), row.written);
        }
    }
}

} // namespace
