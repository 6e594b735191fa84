#include "core/platform/WinePaths.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// A prefix as Wine lays it out: dosdevices/c: -> ../drive_c, d: -> ../drive_d.
class WinePrefix : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.writeText(u"drive_c/Program Files/RimArts/B2/User3/OutBox.mbx"_qs, QString());
        dir.writeText(u"drive_c/Program Files/RimArts/B2/User3/OutBox/Draft.mbx"_qs, QString());
        dir.writeText(u"drive_d/Data/note.txt"_qs, QString());
        QDir(dir.path()).mkpath(u"drive_c/mail"_qs);
        QDir(dir.path()).mkpath(u"drive_c/Mail"_qs);
        QDir(dir.path()).mkpath(u"dosdevices"_qs);
        ASSERT_TRUE(QFile::link(u"../drive_c"_qs, dir.file(u"dosdevices/c:"_qs)));
        ASSERT_TRUE(QFile::link(u"../drive_d"_qs, dir.file(u"dosdevices/d:"_qs)));
    }

    TestFolder dir;
    WinePaths paths{dir.path()};
};

TEST_F(WinePrefix, MapsWindowsPathsThroughTheDriveLinks)
{
    const QString c = dir.path() + u"/dosdevices/c:"_qs;
    const struct {
        QString windows;
        QString host;
    } rows[] = {
        {u"C:\\Program Files\\RimArts\\B2\\User3\\OutBox.mbx"_qs,
         c + u"/Program Files/RimArts/B2/User3/OutBox.mbx"_qs},
        // Each component found without regard to case.
        {u"c:\\PROGRAM FILES\\rimarts\\b2\\user3\\outbox\\DRAFT.MBX"_qs,
         c + u"/Program Files/RimArts/B2/User3/OutBox/Draft.mbx"_qs},
        // Missing components keep their spelling; those before them are found.
        {u"C:\\program files\\RimArts\\b2\\User9\\OutBox.mbx"_qs,
         c + u"/Program Files/RimArts/B2/User9/OutBox.mbx"_qs},
        {u"C:\\program files\\New\\rimarts"_qs, c + u"/Program Files/New/rimarts"_qs},
        // The exact spelling wins over another entry differing in case.
        {u"C:\\mail"_qs, c + u"/mail"_qs},
        {u"C:\\Mail"_qs, c + u"/Mail"_qs},
        // Separators: doubled, trailing, forward; "." and "..".
        {u"C:\\Program Files\\\\RimArts\\"_qs, c + u"/Program Files/RimArts"_qs},
        {u"C:/Program Files/RimArts/B2"_qs, c + u"/Program Files/RimArts/B2"_qs},
        {u"C:\\Program Files\\.\\RimArts\\..\\RimArts\\B2"_qs, c + u"/Program Files/RimArts/B2"_qs},
        {u"C:\\..\\Program Files"_qs, c + u"/Program Files"_qs},
        {u"C:\\"_qs, c},
        // Other drives use their own lowercase link.
        {u"D:\\DATA\\NOTE.TXT"_qs, dir.path() + u"/dosdevices/d:/Data/note.txt"_qs},
        {u"e:\\x"_qs, dir.path() + u"/dosdevices/e:/x"_qs},
        // Without a drive letter: drive C:.
        {u"\\Program Files"_qs, c + u"/Program Files"_qs},
        {u"\\"_qs, c},
        {QString(), c},
        // Host paths are used as they are, with "\" as a separator.
        {u"/home/hanako/Becky/"_qs, u"/home/hanako/Becky/"_qs},
        {u"/home/hanako/Becky/User0\\OutBox.mbx"_qs, u"/home/hanako/Becky/User0/OutBox.mbx"_qs},
        // A network path has no host form.
        {u"\\\\server\\share\\x"_qs, QString()},
    };
    for (const auto &row : rows)
        EXPECT_EQ(paths.toHost(row.windows).toStdString(), row.host.toStdString()) << row.windows.toStdString();
}

TEST_F(WinePrefix, ExistenceOfWindowsPaths)
{
    EXPECT_TRUE(existsOnHost(paths, u"C:\\Program Files\\RimArts\\B2\\User3"_qs));
    EXPECT_TRUE(existsOnHost(paths, u"c:\\program files\\rimarts\\b2\\user3\\outbox.mbx"_qs));
    EXPECT_TRUE(existsOnHost(paths, u"D:\\data\\note.txt"_qs));
    EXPECT_FALSE(existsOnHost(paths, u"C:\\Program Files\\RimArts\\B2\\User2000"_qs));
    EXPECT_FALSE(existsOnHost(paths, u"E:\\"_qs)); // no link for E:
    EXPECT_FALSE(existsOnHost(paths, u"\\\\server\\share"_qs));
    EXPECT_TRUE(existsOnHost(paths, dir.path()));
    EXPECT_FALSE(existsOnHost(paths, dir.file(u"nothing"_qs)));
}

TEST(WinePaths, PrefixWithoutDriveLinksFindsNothing)
{
    TestFolder empty;
    const WinePaths paths(empty.path());
    EXPECT_EQ(paths.toHost(u"C:\\Becky\\User0"_qs), empty.path() + u"/dosdevices/c:/Becky/User0"_qs);
    EXPECT_FALSE(existsOnHost(paths, u"C:\\"_qs));
}

} // namespace
