#include "core/app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, TheArgumentsThatAreNotOptionsAreOnePath)
{
    const struct {
        QStringList arguments;
        QString file;
    } rows[] = {
        {{u"horonami"_qs}, QString()},
        {{u"horonami"_qs, u"/tmp/mail.txt"_qs}, u"/tmp/mail.txt"_qs},
        // A path with spaces given without quotes.
        {{u"horonami"_qs, u"/tmp/my"_qs, u"mail.txt"_qs}, u"/tmp/my mail.txt"_qs},
        {{u"horonami"_qs, u"--"_qs, u"-mail.txt"_qs}, u"-mail.txt"_qs},
    };
    for (const auto &row : rows) {
        const CommandLine line = readCommandLine(row.arguments);
        EXPECT_EQ(line.action, Action::Start) << row.arguments.join(u' ').toStdString();
        EXPECT_EQ(line.file, row.file);
    }
}

TEST(CommandLine, HelpAndVersionArePrinted)
{
    for (const QString &option : {u"--help"_qs, u"-h"_qs}) {
        const CommandLine help = readCommandLine({u"horonami"_qs, option, u"mail.txt"_qs});
        EXPECT_EQ(help.action, Action::Print);
        EXPECT_TRUE(help.text.contains(u"--version"_qs)) << help.text.toStdString();
    }
    const CommandLine version = readCommandLine({u"horonami"_qs, u"--version"_qs});
    EXPECT_EQ(version.action, Action::Print);
    EXPECT_EQ(version.text, u"Horonami 5.4.11\n"_qs);
}

TEST(CommandLine, AnUnknownOptionIsRefusedWithTheUsage)
{
    const CommandLine line = readCommandLine({u"/usr/bin/horonami"_qs, u"mail.txt"_qs, u"--bogus"_qs});
    EXPECT_EQ(line.action, Action::Refuse);
    const QStringList lines = line.text.split(u'\n');
    ASSERT_EQ(lines.size(), 4) << line.text.toStdString();
    EXPECT_TRUE(lines[0].startsWith(u"horonami: "_qs));
    EXPECT_TRUE(lines[0].contains(u"bogus"_qs));
    EXPECT_TRUE(lines[1].contains(u"[ファイル]"_qs));
    EXPECT_TRUE(lines[2].contains(u"horonami --help"_qs));
    EXPECT_TRUE(line.file.isEmpty());
}

} // namespace
