// Whole-file writes killed at random moments: a child rewrites a file in a
// loop, alternating two versions, until it is killed; the file must then be
// one of the two versions, whole.
#include "core/addressbook/AddressBookFile.h"
#include "core/handoff/BeckyRecord.h"
#include "core/pictograph/DefinitionWriter.h"
#include "core/platform/Cp932.h"
#include "core/platform/TextFile.h"
#include "support/ChildProcess.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <functional>
#include <random>
#include <thread>

namespace {

constexpr int kRounds = 200;

/// Writes version 0 or version 1 of one file format through its writer.
struct Format {
    const char *name;
    QString fileName;
    std::function<bool(const QString &folder, int version)> write;
};

// Enough lines that a write takes a while: a kill often lands inside one.
constexpr int kLines = 400;

QList<AddressEntry> book(int version)
{
    QList<AddressEntry> entries;
    for (int i = 0; i < kLines; ++i)
        entries.append({u"user%1@docomo.ne.jp"_qs.arg(i), u"名前%1版%2"_qs.arg(i).arg(version), u"P501i\t.\t.\t."_qs});
    return entries;
}

QList<Definition> pictographs(int version)
{
    QList<Definition> list;
    for (int i = 0; i < kLines; ++i)
        list.append({QString(QChar(char16_t(0xE63E + i % 200))), u"絵文字%1の%2"_qs.arg(i).arg(version)});
    return list;
}

BeckyEnvironment becky(int version)
{
    BeckyEnvironment env;
    env.dataFolder = u"C:\\Becky\\版%1\\"_qs.arg(version);
    env.ownAddress = u"me%1@docomo.ne.jp"_qs.arg(version);
    for (int i = 0; i < BeckyEnvironment::maxAccounts; ++i)
        env.accounts.append({u"アカウント%1"_qs.arg(i), i, u"a%1@isp%2.jp"_qs.arg(i).arg(version)});
    return env;
}

QString settings(int version)
{
    QStringList lines;
    for (int i = 0; i < kLines; ++i)
        lines.append(u"Snam=署名%1の%2"_qs.arg(i).arg(version));
    return textfile::joinLines(lines);
}

const Format kFormats[] = {
    {"Horo.ini", u"Horo.ini"_qs,
     [](const QString &folder, int v) { return textfile::writeAtomically(folder + u"/Horo.ini"_qs, settings(v)); }},
    {"Becky.mil", u"Becky.mil"_qs, [](const QString &folder, int v) { return beckyrecord::write(folder, becky(v)); }},
    {"addr.adr", u"addr.adr"_qs,
     [](const QString &folder, int v) { return addressbook::saveBook(folder + u"/addr.adr"_qs, book(v)); }},
    {"Emoji.code", u"Emoji.code"_qs,
     [](const QString &folder, int v) { return definitions::write(folder + u"/Emoji.code"_qs, pictographs(v)); }},
};

void PrintTo(const Format &format, std::ostream *out) { *out << format.name; }

class InterruptedWrite : public ::testing::TestWithParam<Format> {};

TEST_P(InterruptedWrite, LeavesTheOldOrTheNewFileWhole)
{
    const Format &format = GetParam();
    TestFolder dir;
    QByteArray versions[2];
    for (int v = 0; v < 2; ++v) {
        ASSERT_TRUE(format.write(dir.path(), v));
        versions[v] = dir.readBytes(format.fileName);
    }
    ASSERT_NE(versions[0], versions[1]);

    // One write's time, measured here: the kills fall anywhere within the
    // first three writes of each round.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(format.write(dir.path(), 0));
    const auto oneWrite = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    std::mt19937 random(12);
    std::uniform_int_distribution<long long> delay(0, 3 * oneWrite.count() + 100);

    int current = 0;
    int changed = 0;
    for (int round = 0; round < kRounds; ++round) {
        // The child writes the other version first, then alternates.
        const pid_t writer = startChild([&] {
            for (int v = 1 - current;; v = 1 - v) {
                if (!format.write(dir.path(), v))
                    return 1;
            }
        });
        ASSERT_GT(writer, 0);
        // Every tenth round waits until a write has landed, so kills between
        // two writes are tried however slow the machine is.
        if (round % 10 == 9) {
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (dir.readBytes(format.fileName) == versions[current]
                   && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(writer, SIGKILL);
        EXPECT_EQ(waitForExit(writer), -1) << "the writer stopped by itself";
        const QByteArray now = dir.readBytes(format.fileName);
        ASSERT_TRUE(now == versions[0] || now == versions[1])
            << format.name << ": round " << round << " left " << now.size() << " bytes";
        const int found = now == versions[1] ? 1 : 0;
        changed += found != current ? 1 : 0;
        current = found;
    }
    // Some kills did come after a write was done.
    EXPECT_GT(changed, 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, InterruptedWrite, ::testing::ValuesIn(kFormats),
                         [](const ::testing::TestParamInfo<Format> &info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

} // namespace
