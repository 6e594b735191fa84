#include "core/addressbook/AddressBookFile.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace addressbook;

namespace {

TEST(AddressBookLoad, ReadsEntryAddressOnlyAndIgnoredLines)
{
    TestFolder folder;
    folder.writeText(u"b.adr"_qs,
                     u"a@docomo.ne.jp\tハナコ\tF501i\thana\t.\t.\r\n"
                     "just a note\r\n"
                     "solo@isp.example.jp\r\n"
                     "one@tab.jp\tイチ\r\n"
                     "\tなまえだけ\tP501i\t.\t.\t.\r\n"_qs);
    const LoadedBook book = loadBook(folder.file(u"b.adr"_qs), false);
    const QList<AddressEntry> expected{
        {u"a@docomo.ne.jp"_qs, u"ハナコ"_qs, u"F501i\thana\t.\t."_qs},
        {u"solo@isp.example.jp"_qs, u"solo@isp.example.jp"_qs, QString()},
        {u"one@tab.jp"_qs, u"イチ"_qs, QString()},
        {QString(), u"なまえだけ"_qs, u"P501i\t.\t.\t."_qs},
    };
    EXPECT_EQ(book.entries, expected);
    EXPECT_TRUE(book.setAside.isEmpty());
}

TEST(AddressBookLoad, ImodeFilterSetsEntryLinesAsideButKeepsAddressOnlyLines)
{
    TestFolder folder;
    folder.writeText(u"addr.adr"_qs,
                     u"x@isp.example.jp\tエックス\tP501i\t.\t.\t.\r\n"
                     "y@docomo.ne.jp\tワイ\tN501i\t.\t.\t.\r\n"
                     "z@isp.example.jp\r\n"
                     "w@DOCOMO.ne.jp\tダブ\t\r\n"_qs);
    const LoadedBook book = loadBook(folder.file(u"addr.adr"_qs), true);
    ASSERT_EQ(book.entries.size(), 2);
    EXPECT_EQ(book.entries[0].name, u"ワイ"_qs);
    EXPECT_EQ(book.entries[1].address, u"z@isp.example.jp"_qs);
    EXPECT_EQ(book.setAside, QStringList({u"x@isp.example.jp\tエックス\tP501i\t.\t.\t."_qs,
                                          u"w@DOCOMO.ne.jp\tダブ\t"_qs}));

    // A save of the filtered book writes the hidden lines back after the shown ones.
    ASSERT_TRUE(saveBook(folder.file(u"addr.adr"_qs), book.entries, book.setAside));
    EXPECT_EQ(folder.readText(u"addr.adr"_qs),
              u"y@docomo.ne.jp\tワイ\tN501i\t.\t.\t.\r\n"
              "z@isp.example.jp\r\n"
              "x@isp.example.jp\tエックス\tP501i\t.\t.\t.\r\n"
              "w@DOCOMO.ne.jp\tダブ\t\r\n"_qs);
}

TEST(AddressBookLoad, MissingFileIsAnEmptyBook)
{
    TestFolder folder;
    EXPECT_TRUE(loadBook(folder.file(u"none.adr"_qs), false).entries.isEmpty());
}

TEST(AddressBookDetails, SplitsIntoFourViews)
{
    struct Row {
        QString details;
        DetailFields expected;
    };
    const Row rows[] = {
        {QString(), {}},
        {u"備考だけ"_qs, {u"備考だけ"_qs, {}, {}, {}}},
        {u"P501i\tnick"_qs, {u"P501i"_qs, u"nick"_qs, {}, {}}},
        {u"P501i\t.\thttp://x.jp/\tpgp\textra"_qs, {u"P501i"_qs, u"."_qs, u"http://x.jp/"_qs, u"pgp"_qs}},
    };
    for (const Row &row : rows) {
        const DetailFields got = splitDetails(row.details);
        EXPECT_EQ(got.model, row.expected.model) << row.details.toStdString();
        EXPECT_EQ(got.nickname, row.expected.nickname) << row.details.toStdString();
        EXPECT_EQ(got.homePage, row.expected.homePage) << row.details.toStdString();
        EXPECT_EQ(got.pgpUserId, row.expected.pgpUserId) << row.details.toStdString();
    }
}

TEST(AddressBookCommit, RebuildsDetailsWithDotsForEmptyFields)
{
    AddressEntry entry{u"a@docomo.ne.jp"_qs, u"花子"_qs, QString()};
    EntryEdit edit;
    edit.details.nickname = QString();
    edit.detailsChanged = true;
    int asked = 0;
    commitEntry(entry, edit, [&asked] { ++asked; return u"F501i"_qs; });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(entry.details, u"F501i\t.\t.\t."_qs);
    EXPECT_EQ(edit.details.nickname, u"."_qs);
    EXPECT_EQ(edit.details.pgpUserId, u"."_qs);
    EXPECT_FALSE(edit.detailsChanged);
}

TEST(AddressBookCommit, TakesOnlyChangedFieldsAndCleansThem)
{
    AddressEntry entry{u"old@docomo.ne.jp"_qs, u"旧"_qs, u"P501i\tn\th\tp"_qs};
    EntryEdit edit{u"new@docomo.ne.jp"_qs, u"ignored"_qs, {}, true, false, false};
    commitEntry(entry, edit, [] { ADD_FAILURE() << "details are not rebuilt"; return QString(); });
    EXPECT_EQ(entry, (AddressEntry{u"new@docomo.ne.jp"_qs, u"旧"_qs, u"P501i\tn\th\tp"_qs}));

    // A name change rebuilds the details too; TAB and line breaks cannot stay.
    EntryEdit renamed{QString(), u"新\tしい\r\n"_qs, {QString(), u"ni\nck"_qs, u"h"_qs, u"p"_qs}, false, true, false};
    commitEntry(entry, renamed, [] { return u"N501i"_qs; });
    EXPECT_EQ(entry, (AddressEntry{u"new@docomo.ne.jp"_qs, u"新 しい"_qs, u"N501i\tnick\th\tp"_qs}));
    EXPECT_FALSE(renamed.nameChanged);
}

TEST(AddressBookSave, WritesOneLinePerEntryAndDropsEmptyOnes)
{
    TestFolder folder;
    const QList<AddressEntry> entries{
        {u"solo@docomo.ne.jp"_qs, u"solo@docomo.ne.jp"_qs, QString()},
        {QString(), u"名前だけ"_qs, QString()},
        {QString(), u"宛先なし"_qs, u"不明\t.\t.\t."_qs},
        {u"b@docomo.ne.jp"_qs, u"ビー"_qs, u"D501i\t.\t.\t."_qs},
    };
    ASSERT_TRUE(saveBook(folder.file(u"addr.adr"_qs), entries));
    // "solo@..." / "\t宛先なし\t不明..." / "b@...\tビー\tD501i..." in code page 932
    EXPECT_EQ(folder.readText(u"addr.adr"_qs),
              u"solo@docomo.ne.jp\r\n\t宛先なし\t不明\t.\t.\t.\r\nb@docomo.ne.jp\tビー\tD501i\t.\t.\t.\r\n"_qs);
    EXPECT_EQ(folder.readBytes(u"addr.adr"_qs).left(19), QByteArray("solo@docomo.ne.jp\r\n"));

}

// Every entry with an address reads back as it was saved, its name included.
TEST(AddressBookSave, EntriesReadBackWithTheirNames)
{
    TestFolder folder;
    const QString path = folder.file(u"addr.adr"_qs);
    const QList<AddressEntry> entries{
        {u"solo@docomo.ne.jp"_qs, u"solo@docomo.ne.jp"_qs, QString()},
        {u"d@isp.jp"_qs, u"ディー"_qs, QString()}, // the import format: address TAB name TAB
        {u"b@docomo.ne.jp"_qs, u"ビー"_qs, u"D501i\t.\t.\t."_qs},
    };
    ASSERT_TRUE(saveBook(path, entries));
    EXPECT_EQ(folder.readText(u"addr.adr"_qs),
              u"solo@docomo.ne.jp\r\nd@isp.jp\tディー\t\r\nb@docomo.ne.jp\tビー\tD501i\t.\t.\t.\r\n"_qs);
    EXPECT_EQ(loadBook(path, false).entries, entries);
}

TEST(AddressBookSave, FailedSaveKeepsTheOldFile)
{
    TestFolder folder;
    EXPECT_FALSE(saveBook(folder.file(u"no/such/addr.adr"_qs), {{u"a@b"_qs, u"a@b"_qs, QString()}}));
}

TEST(AddressBookListItem, StartupLinesFollowTheirFields)
{
    EXPECT_EQ(addressListItemOfLine(u"a@x.jp\tエー\tF501i\t.\t.\t."_qs),
              (AddressListItem{u"エー<a@x.jp>"_qs, u"F501i"_qs}));
    EXPECT_EQ(addressListItemOfLine(u"a@x.jp\tエー\t"_qs), (AddressListItem{u"エー<a@x.jp>"_qs, QString()}));
    EXPECT_EQ(addressListItemOfLine(u"a@x.jp"_qs), (AddressListItem{u"a@x.jp"_qs, QString()}));
    EXPECT_FALSE(addressListItemOfLine(u"memo"_qs).has_value());
    // Without its model field, and with every field empty.
    EXPECT_EQ(addressListItemOfLine(u"a@x.jp\tエー"_qs), (AddressListItem{u"エー<a@x.jp>"_qs, QString()}));
    EXPECT_EQ(addressListItemOfLine(u"\t\t"_qs), (AddressListItem{u"<>"_qs, QString()}));
}

// Start-up hands each line as a view into the whole decoded file: the
// fields end where the line ends, not where the file does.
TEST(AddressBookListItem, ReadsALineInsideTheFileText)
{
    const QString file = u"a@x.jp\tエー\tF501i\r\nb@y.jp\tビー\r\n"_qs;
    const QStringView text(file);
    EXPECT_EQ(addressListItemOfLine(text.first(15)), (AddressListItem{u"エー<a@x.jp>"_qs, u"F501i"_qs}));
    EXPECT_EQ(addressListItemOfLine(text.sliced(17, 9)), (AddressListItem{u"ビー<b@y.jp>"_qs, QString()}));
    EXPECT_EQ(addressListItemOfLine(text.sliced(17, 6)), (AddressListItem{u"b@y.jp"_qs, QString()}));
}

TEST(AddressBookImport, AppendsTheLineAsLoadedAndReadsBack)
{
    TestFolder folder;
    const QString path = folder.file(u"addr.adr"_qs);
    ASSERT_TRUE(importEntry(path, {u"a@docomo.ne.jp"_qs, u"エー"_qs, QString()}));
    ASSERT_TRUE(importEntry(path, {u"b@docomo.ne.jp"_qs, u"ビー"_qs, u"備考"_qs}));
    EXPECT_EQ(folder.readText(u"addr.adr"_qs),
              u"a@docomo.ne.jp\tエー\t\r\nb@docomo.ne.jp\tビー\t備考\r\n"_qs);
    const LoadedBook book = loadBook(path, false);
    ASSERT_EQ(book.entries.size(), 2);
    EXPECT_EQ(book.entries[0], (AddressEntry{u"a@docomo.ne.jp"_qs, u"エー"_qs, QString()}));
    EXPECT_FALSE(importEntry(folder.path(), {u"a@b"_qs, u"a"_qs, QString()})); // a folder
}

TEST(AddressBookImport, EndsAnUnendedLastLineFirst)
{
    struct Row {
        QByteArray before;
        QByteArray after;
    };
    const Row rows[] = {
        {"x@isp.jp", "x@isp.jp\r\na@b\tA\t\r\n"},
        {"x@isp.jp\r", "x@isp.jp\r\na@b\tA\t\r\n"},
        {"x@isp.jp\r\n", "x@isp.jp\r\na@b\tA\t\r\n"},
        {"", "a@b\tA\t\r\n"},
    };
    for (const Row &row : rows) {
        TestFolder folder;
        folder.writeBytes(u"addr.adr"_qs, row.before);
        ASSERT_TRUE(importEntry(folder.file(u"addr.adr"_qs), {u"a@b"_qs, u"A"_qs, QString()}));
        EXPECT_EQ(folder.readBytes(u"addr.adr"_qs), row.after) << row.before.toStdString();
    }
}

TEST(AddressBookExport, CopiesBytesAndReportsFailure)
{
    TestFolder folder;
    const QByteArray bytes = hexBytes("82a0 0961 4062 0d0a"); // "あ\ta@b\r\n"
    folder.writeBytes(u"addr.adr"_qs, bytes);
    folder.writeBytes(u"i-mode.Adr"_qs, "old");
    EXPECT_TRUE(exportBook(folder.file(u"addr.adr"_qs), folder.file(u"i-mode.Adr"_qs)));
    EXPECT_EQ(folder.readBytes(u"i-mode.Adr"_qs), bytes);

    EXPECT_FALSE(exportBook(folder.file(u"none.adr"_qs), folder.file(u"x.Adr"_qs)));
    EXPECT_FALSE(folder.exists(u"x.Adr"_qs));
    EXPECT_FALSE(exportBook(folder.file(u"addr.adr"_qs), folder.file(u"missing/x.Adr"_qs)));
}

TEST(AddressBookListing, ListsAdrFilesAndScansForImodeAddresses)
{
    TestFolder folder;
    folder.writeText(u"a.adr"_qs, u"x@isp.jp\tX\t\r\nlast@docomo.ne.jp\r\n"_qs);
    folder.writeText(u"b.Adr"_qs, u"x@isp.jp\tX\t\r\n"_qs);
    folder.writeText(u"c.adr"_qs, QString());
    folder.writeText(u"d.txt"_qs, u"d@docomo.ne.jp\r\n"_qs);
    const QList<BookFile> all = listBeckyBooks(folder.path(), false);
    QStringList names;
    for (const BookFile &book : all)
        names.append(book.shownName);
    EXPECT_EQ(names, QStringList({u"a"_qs, u"b"_qs, u"c"_qs}));
    EXPECT_EQ(all[1].path, folder.file(u"b.Adr"_qs));

    EXPECT_EQ(listBeckyBooks(folder.path(), true),
              QList<BookFile>({{u"a"_qs, folder.file(u"a.adr"_qs)}}));
    EXPECT_TRUE(listBeckyBooks(folder.file(u"none"_qs), false).isEmpty());
}

} // namespace
