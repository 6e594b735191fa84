#include "core/platform/Cp932.h"
#include "core/platform/TextFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(TextFile, SplitsLinesAtEveryKindOfBreak)
{
    EXPECT_EQ(textfile::splitLines(u"a\r\nb\rc\nd"_qs), (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));
    EXPECT_EQ(textfile::splitLines(u"a\r\n\r\n"_qs), (QStringList{u"a"_qs, QString()}));
    EXPECT_TRUE(textfile::splitLines(QString()).isEmpty());
}

// A file users bring, in each encoding it may come in: "あい", CR LF, "A".
TEST(TextFile, ReadsEveryEncodingAUserFileComesIn)
{
    const struct {
        const char *encoding;
        QByteArray bytes;
        QString text;
    } rows[] = {
        {"UTF-8 with BOM", hexBytes("efbbbf e38182 e38184 0d0a 41"), u"あい\r\nA"_qs},
        {"UTF-8", hexBytes("e38182 e38184 0d0a 41"), u"あい\r\nA"_qs},
        {"UTF-16LE with BOM", hexBytes("fffe 4230 4430 0d00 0a00 4100"), u"あい\r\nA"_qs},
        {"UTF-16BE with BOM", hexBytes("feff 3042 3044 000d 000a 0041"), u"あい\r\nA"_qs},
        {"code page 932", hexBytes("82a0 82a2 0d0a 41"), u"あい\r\nA"_qs},
        // Half-width katakana are single bytes that UTF-8 only knows as the
        // middle of a character.
        {"code page 932, half-width", hexBytes("b1 b2 0d0a 41"), u"ｱｲ\r\nA"_qs},
        // "縺ａ": its first three bytes are "あ" in UTF-8, but the whole
        // file must be valid.
        {"code page 932 that starts like UTF-8", hexBytes("e381 8281"), u"縺ａ"_qs},
        {"ASCII", hexBytes("41 0d0a 41"), u"A\r\nA"_qs},
    };
    for (const auto &row : rows)
        EXPECT_EQ(textfile::decodeAnyText(row.bytes), row.text) << row.encoding;
}

TEST(TextFile, WritesShiftJisWithCrLf)
{
    TestFolder dir;
    ASSERT_TRUE(textfile::writeAtomically(dir.file(u"x.txt"_qs),
                                          textfile::joinLines({u"あ"_qs, u"b"_qs})));
    EXPECT_EQ(dir.readBytes(u"x.txt"_qs).toHex(), hexBytes("82a0 0d0a 62 0d0a").toHex());
    EXPECT_EQ(textfile::readLines(dir.file(u"x.txt"_qs)), (QStringList{u"あ"_qs, u"b"_qs}));
}

TEST(TextFile, FailedWholeWriteKeepsTheOldFile)
{
    TestFolder dir;
    dir.writeText(u"keep.ini"_qs, u"old"_qs);
    // The target's folder is missing: nothing can be written.
    EXPECT_FALSE(textfile::writeAtomically(dir.file(u"missing/keep.ini"_qs), u"new"_qs));
    // A folder stands where the file should go: the rename fails.
    QDir(dir.path()).mkdir(u"dir.ini"_qs);
    EXPECT_FALSE(textfile::writeAtomically(dir.file(u"dir.ini"_qs), u"new"_qs));
    EXPECT_EQ(dir.readText(u"keep.ini"_qs), u"old"_qs);
}

TEST(TextFile, AppendCreatesAndExtends)
{
    TestFolder dir;
    const QString path = dir.file(u"box.mbx"_qs);
    ASSERT_TRUE(textfile::appendAll(path, "one\r\n"));
    ASSERT_TRUE(textfile::appendAll(path, "two\r\n"));
    EXPECT_EQ(dir.readBytes(u"box.mbx"_qs), QByteArray("one\r\ntwo\r\n"));
}

TEST(TextFile, AppendToSomethingThatIsNotAWritableFileFails)
{
    TestFolder dir;
    QDir(dir.path()).mkdir(u"folder.mbx"_qs);
    EXPECT_FALSE(textfile::appendAll(dir.file(u"folder.mbx"_qs), "x"));
    EXPECT_FALSE(textfile::appendAll(dir.file(u"nofolder/box.mbx"_qs), "x"));
}

} // namespace
