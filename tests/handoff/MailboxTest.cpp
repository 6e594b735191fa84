#include "core/handoff/MailRecord.h"
#include "core/handoff/Mailbox.h"
#include "support/SampleMailbox.h"
#include "support/ChildProcess.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace {

TEST(Mailbox, PathsFollowBeckysLayout)
{
    EXPECT_EQ(mailbox::outboxPath(u"C:\\Becky\\User3"_qs), u"C:\\Becky\\User3\\OutBox.mbx"_qs);
    EXPECT_EQ(mailbox::draftPath(u"C:\\Becky\\User3"_qs),
              u"C:\\Becky\\User3\\OutBox\\Draft.mbx"_qs);
    EXPECT_EQ(mailbox::logPath(u"/opt/horonami"_qs), u"/opt/horonami/OutPutLog.mbx"_qs);
}

TEST(Mailbox, AppendCreatesTheFileAndAddsRecordsDirectly)
{
    TestFolder dir;
    const QString path = dir.file(u"OutBox.mbx"_qs);
    const MailRecord first = mailrecord::build(sampleMail(1));
    const MailRecord second = mailrecord::build(sampleMail(2));
    ASSERT_TRUE(mailbox::append(path, first));
    ASSERT_TRUE(mailbox::append(path, second));
    EXPECT_EQ(dir.readBytes(u"OutBox.mbx"_qs), mailrecord::bytes(first) + mailrecord::bytes(second));
}

// Runs `attempt` in a forked child after `prepare`, so that limits and a
// dropped root identity stay in the child. Returns the child's exit code:
// 0 when the attempt succeeded, 1 when it failed, anything else when the
// child could not be prepared or did not exit normally.
int inChild(const std::function<bool()> &prepare, const std::function<bool()> &attempt)
{
    return waitForExit(startChild([&] {
        if (!prepare())
            return 2;
        return attempt() ? 0 : 1;
    }));
}

// Root writes through a read-only mode; a child that runs as "nobody" sees
// the file as every other user does.
bool dropRoot()
{
    if (::geteuid() != 0)
        return true;
    return ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

class MailboxFault : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Let the unprivileged child reach into the folder.
        QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ReadOther
                                              | QFile::ExeOther);
        dir.writeBytes(u"OutBox.mbx"_qs, before);
    }
    bool appendInChild(const QString &path, const std::function<bool()> &prepare)
    {
        const int code = inChild(prepare, [&] { return mailbox::append(path, record); });
        EXPECT_TRUE(code == 0 || code == 1) << "child failed with " << code;
        return code == 0;
    }

    TestFolder dir;
    const QByteArray before = mailrecord::bytes(mailrecord::build(sampleMail(0)));
    const MailRecord record = mailrecord::build(sampleMail(1));
};

TEST_F(MailboxFault, ReadOnlyMailboxIsLeftAlone)
{
    const QString path = dir.file(u"OutBox.mbx"_qs);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_FALSE(appendInChild(path, dropRoot));
    EXPECT_EQ(dir.readBytes(u"OutBox.mbx"_qs), before);
}

TEST_F(MailboxFault, ShortWriteIsTakenBack)
{
    const QString path = dir.file(u"OutBox.mbx"_qs);
    const auto size = static_cast<unsigned long long>(before.size());
    // Room for part of the record, and no room at all.
    for (const unsigned long long limit : {size + 10, size}) {
        EXPECT_FALSE(appendInChild(path, [limit] { return limitFileSize(limit); })) << limit;
        EXPECT_EQ(dir.readBytes(u"OutBox.mbx"_qs), before) << limit;
    }
    // Once there is room again the retry writes the record exactly once.
    ASSERT_TRUE(mailbox::append(path, record));
    EXPECT_EQ(dir.readBytes(u"OutBox.mbx"_qs), before + mailrecord::bytes(record));
}

TEST_F(MailboxFault, FolderOrMissingFolderFails)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Draft.mbx"_qs));
    EXPECT_FALSE(mailbox::append(dir.file(u"Draft.mbx"_qs), record));
    EXPECT_TRUE(QFileInfo(dir.file(u"Draft.mbx"_qs)).isDir());
    EXPECT_TRUE(QDir(dir.file(u"Draft.mbx"_qs)).isEmpty());

    EXPECT_FALSE(mailbox::append(dir.file(u"OutBox/Draft.mbx"_qs), record));
    EXPECT_FALSE(QFileInfo::exists(dir.file(u"OutBox"_qs)));
    EXPECT_FALSE(mailbox::append(QString(), record));
}

} // namespace
