#include "core/handoff/HandOff.h"
#include "core/handoff/MailRecord.h"
#include "support/SampleMailbox.h"
#include "support/ChildProcess.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

using Answer = Dialogs::Answer;

const QString retryTitle = u"再送信確認"_qs;

QString retryText(int attempt)
{
    return u"BECKYが送受信処理中です。送信できません。%1度目の送信を試みますか？。"_qs.arg(attempt);
}

// An account whose outbox lives in <folder>/<account>/OutBox; the
// rediscovery moves the account to "User2".
class HandOffLoop : public ::testing::Test {
protected:
    HandOffTarget target()
    {
        return {[this] { return dir.file(account + u"/OutBox/Draft.mbx"_qs); },
                [this] { return dir.file(account); },
                [this] {
                    ++discoveries;
                    account = u"User2"_qs;
                },
                [this] { ++waits; }};
    }
    void makeFolder(const QString &name) { ASSERT_TRUE(QDir(dir.path()).mkpath(name)); }

    TestFolder dir;
    QString account = u"User1"_qs;
    int discoveries = 0;
    int waits = 0;
    const MailRecord record = mailrecord::build(sampleMail(1));
    ScriptedDialogs dialogs;
};

TEST_F(HandOffLoop, WritesAtOnceWithoutQuestions)
{
    makeFolder(u"User1/OutBox"_qs);
    EXPECT_TRUE(handOff(record, false, target(), dialogs));
    EXPECT_EQ(dir.readBytes(u"User1/OutBox/Draft.mbx"_qs), mailrecord::bytes(record));
}

TEST_F(HandOffLoop, RetriesWhileTheUserSaysYes)
{
    makeFolder(u"User1"_qs); // the account is there, its OutBox folder not yet
    dialogs.expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, retryText(3), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .whileShown([this] { makeFolder(u"User1/OutBox"_qs); });
    EXPECT_TRUE(handOff(record, false, target(), dialogs));
    EXPECT_EQ(dir.readBytes(u"User1/OutBox/Draft.mbx"_qs), mailrecord::bytes(record));
}

TEST_F(HandOffLoop, GivingUpReportsFailure)
{
    makeFolder(u"User1"_qs);
    dialogs.expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No);
    EXPECT_FALSE(handOff(record, false, target(), dialogs));
    EXPECT_EQ(discoveries, 0);
}

TEST_F(HandOffLoop, LostAccountFolderOffersANewDiscovery)
{
    const QString lost = u"BECKYの位置がつかめません、再設定を試みます。"_qs;
    makeFolder(u"User2/OutBox"_qs);
    // Declining the discovery retries the same path, counting on.
    dialogs.expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, lost, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No)
        .expectMessage(retryTitle, retryText(3), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, lost, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, u"設定を変更しました。再送信なさいますか？"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(u"HORONAMI"_qs, u"送信が完了した後は、念の為、Horonamiを再起動してください。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
    EXPECT_TRUE(handOff(record, false, target(), dialogs));
    EXPECT_EQ(discoveries, 1);
    EXPECT_EQ(dir.readBytes(u"User2/OutBox/Draft.mbx"_qs), mailrecord::bytes(record));
}

TEST_F(HandOffLoop, DraftModeRetriesAtOnceAfterDiscovery)
{
    makeFolder(u"User2"_qs); // found again, but still without its OutBox folder
    dialogs.expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, u"BECKYの位置がつかめません、再設定を試みます。"_qs, Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::No);
    EXPECT_FALSE(handOff(record, true, target(), dialogs));
    EXPECT_EQ(discoveries, 1);
}

// A second process holding a POSIX record lock on a whole file, as Becky
// under Wine does while it sends or receives, until release() or, should
// the test never get there, half a minute.
class HeldLock {
public:
    explicit HeldLock(const QString &path)
    {
        if (::pipe(locked_) != 0 || ::pipe(release_) != 0)
            return;
        const QByteArray native = QFile::encodeName(path);
        child_ = startChild([&] {
            ::close(release_[1]);
            const int fd = ::open(native.constData(), O_RDWR);
            struct flock whole {};
            whole.l_type = F_WRLCK;
            whole.l_whence = SEEK_SET;
            if (fd < 0 || ::fcntl(fd, F_SETLK, &whole) != 0 || ::write(locked_[1], "L", 1) != 1)
                return 1;
            pollfd wait{release_[0], POLLIN, 0};
            ::poll(&wait, 1, 30000);
            return 0;
        });
        ::close(locked_[1]); // a child that cannot lock ends the read below
        char answer = 0;
        held_ = child_ > 0 && ::read(locked_[0], &answer, 1) == 1;
    }
    ~HeldLock()
    {
        release();
        for (const int fd : {locked_[0], release_[0], release_[1]})
            ::close(fd);
    }
    bool held() const { return held_; }
    // Ends the second process, which drops its lock.
    void release()
    {
        if (child_ <= 0)
            return;
        (void)!::write(release_[1], "R", 1);
        EXPECT_EQ(waitForExit(child_), 0);
        child_ = -1;
    }

private:
    int locked_[2] = {-1, -1};
    int release_[2] = {-1, -1};
    pid_t child_ = -1;
    bool held_ = false;
};

// The append gives up on a held mailbox without writing and without
// freezing the window, so the retry question comes; once the other program
// lets go, the retry writes the record once.
TEST_F(HandOffLoop, MailboxHeldByAnotherProgramAsksToRetry)
{
    makeFolder(u"User1/OutBox"_qs);
    const QByteArray before = mailrecord::bytes(mailrecord::build(sampleMail(0)));
    dir.writeBytes(u"User1/OutBox/Draft.mbx"_qs, before);
    HeldLock becky(dir.file(u"User1/OutBox/Draft.mbx"_qs));
    ASSERT_TRUE(becky.held());
    dialogs.expectMessage(retryTitle, retryText(2), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Answer::Yes)
        .whileShown([&] {
            EXPECT_EQ(dir.readBytes(u"User1/OutBox/Draft.mbx"_qs), before);
            EXPECT_GT(waits, 100); // the window was served about every millisecond
            becky.release();
        });
    EXPECT_TRUE(handOff(record, false, target(), dialogs));
    EXPECT_EQ(dir.readBytes(u"User1/OutBox/Draft.mbx"_qs), before + mailrecord::bytes(record));
}

} // namespace
