#include "core/addressbook/GroupName.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace addressbook;

TEST(GroupName, RefusesNamesThatCannotNameAFileInTheFolder)
{
    for (const QString &name : {u"../evil"_qs, u".."_qs, u"a..b"_qs, u"a/b"_qs, u"a\\b"_qs, u"c:x"_qs, u"*"_qs,
                                u"why?"_qs, u"say\"hi\""_qs, u"<x>"_qs, u"a|b"_qs, u"tab\there"_qs,
                                u"line\r\nend"_qs, u"\u007f"_qs, u" lead"_qs, u"trail "_qs, u"   "_qs, QString()})
        EXPECT_FALSE(isValidGroupName(name)) << name.toStdString();
    for (const QString &name : {u"i-mode"_qs, u"友達"_qs, u"a b"_qs, u"v1.2"_qs, u"ｶﾅ"_qs})
        EXPECT_TRUE(isValidGroupName(name)) << name.toStdString();
}

TEST(GroupName, FindsTheExistingFileCaseBlind)
{
    TestFolder folder;
    folder.writeText(u"i-mode.adr"_qs, QString());
    folder.writeText(u"other.Adr"_qs, QString());
    EXPECT_EQ(existingGroupFile(folder.path(), u"I-Mode"_qs), folder.file(u"i-mode.adr"_qs));
    EXPECT_EQ(existingGroupFile(folder.path(), u"OTHER"_qs), folder.file(u"other.Adr"_qs));
    EXPECT_EQ(existingGroupFile(folder.path(), u"new"_qs), std::nullopt);
    EXPECT_EQ(existingGroupFile(folder.file(u"missing"_qs), u"i-mode"_qs), std::nullopt);
}

} // namespace
