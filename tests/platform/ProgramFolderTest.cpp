#include "core/platform/ProgramFolder.h"
#include "support/TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

InstallLayout layoutWith(const QStringList &trees, const QString &binFolder = QString())
{
    return {trees, binFolder, u"../share/horonami/readme.txt"_qs, u"/home/taro/.local/share/Horonami"_qs};
}

struct InstalledRow {
    const char *name;
    const char *executableFolder;
    const char *readme;
};

class InstalledCopy : public testing::TestWithParam<InstalledRow> {};

// A copy in a system tree or in the build's install folder never writes
// beside its executable; its readme is where the install put it.
TEST_P(InstalledCopy, KeepsFilesPerUserAndReadsTheInstalledReadme)
{
    const InstalledRow row = GetParam();
    const ProgramPlaces places = programPlaces(QString::fromUtf8(row.executableFolder),
                                               layoutWith({u"/usr"_qs, u"/opt"_qs}, u"/home/taro/apps/bin"_qs));
    EXPECT_EQ(places.folder, u"/home/taro/.local/share/Horonami"_qs);
    EXPECT_EQ(places.readme, QString::fromUtf8(row.readme));
}

INSTANTIATE_TEST_SUITE_P(
    ProgramFolder, InstalledCopy,
    testing::Values(InstalledRow{"Usr", "/usr/bin", "/usr/share/horonami/readme.txt"},
                    InstalledRow{"UsrLocal", "/usr/local/bin", "/usr/local/share/horonami/readme.txt"},
                    InstalledRow{"TrailingSlash", "/usr/bin/", "/usr/share/horonami/readme.txt"},
                    InstalledRow{"Opt", "/opt/horonami/bin", "/opt/horonami/share/horonami/readme.txt"},
                    InstalledRow{"BuildsInstallFolder", "/home/taro/apps/bin",
                                 "/home/taro/apps/share/horonami/readme.txt"}),
    [](const testing::TestParamInfo<InstalledRow> &info) { return std::string(info.param.name); });

TEST(ProgramFolder, PortableCopyKeepsEverythingBesideItsExecutable)
{
    TestFolder copy;
    const ProgramPlaces places = programPlaces(copy.path(), layoutWith({u"/usr"_qs, u"/opt"_qs}));
    EXPECT_EQ(places.folder, copy.path());
    EXPECT_EQ(places.readme, copy.file(u"readme.txt"_qs));
}

// A folder whose name only begins like a system tree is not inside it.
TEST(ProgramFolder, TreeMatchesWholeFolderNamesOnly)
{
    TestFolder root;
    QDir(root.path()).mkpath(u"usrlocal/bin"_qs);
    const QString exe = root.file(u"usrlocal/bin"_qs);
    const ProgramPlaces places = programPlaces(exe, layoutWith({root.file(u"usr"_qs)}));
    EXPECT_EQ(places.folder, exe);
}

// Installed with a prefix the build did not know: the install's readme
// beside the bin folder tells it apart from a portable copy.
TEST(ProgramFolder, InstallUnderAnotherPrefixIsRecognisedByItsReadme)
{
    TestFolder prefix;
    QDir(prefix.path()).mkpath(u"bin"_qs);
    QDir(prefix.path()).mkpath(u"share/horonami"_qs);
    prefix.writeText(u"share/horonami/readme.txt"_qs, u"使い方"_qs);
    const ProgramPlaces places = programPlaces(prefix.file(u"bin"_qs), layoutWith({u"/usr"_qs}));
    EXPECT_EQ(places.folder, u"/home/taro/.local/share/Horonami"_qs);
    EXPECT_EQ(places.readme, prefix.file(u"share/horonami/readme.txt"_qs));
}

} // namespace
