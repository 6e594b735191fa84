// Two processes appending to one mailbox at once: every record arrives
// whole, and one writer's failures never take the other's records away.
#include "core/handoff/MailRecord.h"
#include "core/handoff/Mailbox.h"
#include "support/SampleMailbox.h"
#include "support/ChildProcess.h"
#include "support/TestFiles.h"

#include <QList>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

constexpr int kRecordsEach = 2000;

struct Writer {
    explicit Writer(int first)
    {
        for (int i = 0; i < kRecordsEach; ++i)
            records.append(mailrecord::build(sampleMail(first + i)));
    }
    QList<MailRecord> records;
};

// Appends each record once; exits with 0 when all went in, 1 otherwise.
int appendEach(const QString &path, const Writer &writer)
{
    bool all = true;
    for (const MailRecord &record : writer.records)
        all = mailbox::append(path, record) && all;
    return all ? 0 : 1;
}

// The first record of `records` from `from` on that `rest` starts with.
std::optional<int> recordAtStart(QByteArrayView rest, const QList<MailRecord> &records, int from)
{
    for (int k = from; k < records.size(); ++k) {
        if (rest.startsWith(mailrecord::bytes(records[k])))
            return k;
    }
    return std::nullopt;
}

// How many records of each writer the file holds, each writer's in its
// order (the first writer's failed records missing), or nothing when the
// file holds anything else: a torn record, stray bytes, a record out of
// order or twice.
std::optional<std::pair<int, int>> wholeRecords(const QByteArray &file, const Writer &first, const Writer &second)
{
    int nextFirst = 0;
    int countFirst = 0;
    int nextSecond = 0;
    qsizetype at = 0;
    while (at < file.size()) {
        const QByteArrayView rest = QByteArrayView(file).sliced(at);
        if (nextSecond < second.records.size() && rest.startsWith(mailrecord::bytes(second.records[nextSecond]))) {
            at += mailrecord::bytes(second.records[nextSecond++]).size();
        } else if (const std::optional<int> k = recordAtStart(rest, first.records, nextFirst)) {
            at += mailrecord::bytes(first.records[*k]).size();
            nextFirst = *k + 1;
            ++countFirst;
        } else {
            ADD_FAILURE() << "unexpected bytes at offset " << at << " after " << countFirst << " + "
                          << nextSecond << " records";
            return std::nullopt;
        }
    }
    return std::pair{countFirst, nextSecond};
}

class ConcurrentAppend : public ::testing::Test {
protected:
    TestFolder dir;
    const QString path = dir.file(u"OutBox.mbx"_qs);
    const Writer first{0};
    const Writer second{10000};
};

TEST_F(ConcurrentAppend, BothWritersRecordsArriveWhole)
{
    const pid_t one = startChild([&] { return appendEach(path, first); });
    const pid_t two = startChild([&] { return appendEach(path, second); });
    EXPECT_EQ(waitForExit(one), 0);
    EXPECT_EQ(waitForExit(two), 0);
    EXPECT_EQ(wholeRecords(dir.readBytes(u"OutBox.mbx"_qs), first, second), std::pair(kRecordsEach, kRecordsEach));
}

TEST_F(ConcurrentAppend, FailingWriterLeavesTheOthersRecords)
{
    // The first writer may let the file grow to about half of what the
    // second writes: its early records go in, then its writes are cut short
    // or refused while the second goes on.
    const qsizetype recordSize = mailrecord::bytes(second.records.front()).size();
    const unsigned long long limit = static_cast<unsigned long long>(recordSize) * kRecordsEach / 2 + 7;
    const pid_t failing = startChild([&] { return limitFileSize(limit) ? appendEach(path, first) : 2; });
    const pid_t healthy = startChild([&] { return appendEach(path, second); });
    EXPECT_EQ(waitForExit(failing), 1);
    EXPECT_EQ(waitForExit(healthy), 0);
    const auto counts = wholeRecords(dir.readBytes(u"OutBox.mbx"_qs), first, second);
    ASSERT_TRUE(counts);
    EXPECT_EQ(counts->second, kRecordsEach);
    EXPECT_LT(counts->first, kRecordsEach);
}

} // namespace
