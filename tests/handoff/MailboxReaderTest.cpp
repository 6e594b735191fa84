#include "core/handoff/MailRecord.h"
#include "core/handoff/MailboxReader.h"
#include "core/platform/Cp932.h"
#include "support/SampleMailbox.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QIODevice>

#include <algorithm>

#include <gtest/gtest.h>

// Shows a row's fields in failure messages.
void PrintTo(const MailRow &row, std::ostream *out)
{
    *out << QStringList{row.subject, row.to, row.date, row.from, row.body}.join(u'|').toStdString()
         << (row.vertical ? " (vertical)" : "");
}

namespace {

QByteArray logRecord(const MailFields &mail, const QString &date, bool vertical)
{
    return mailrecord::bytes(mailrecord::forLog(mailrecord::build(mail), date, vertical));
}

MailFields mail(const QString &subject, const QString &body)
{
    MailFields m;
    m.from = u"me@docomo.ne.jp"_qs;
    m.to = u"you@docomo.ne.jp"_qs;
    m.subject = subject;
    m.body = body;
    return m;
}

MailRow row(const QString &subject, const QString &date, const QString &body, bool vertical = false)
{
    return {subject, u"you@docomo.ne.jp"_qs, date, u"me@docomo.ne.jp"_qs, body, vertical};
}

TEST(MailboxReader, ReadsLoggedMailsBackNewestFirst)
{
    const QByteArray log = logRecord(mail(u"一"_qs, u"本文\r\n二行目"_qs), u"2001/05/12 9:00:00"_qs, false)
        + logRecord(mail(u"縦"_qs, u"たて"_qs), u"2001/05/12 9:05:00"_qs, true);
    const QList<MailRow> rows = mailboxreader::readBytes(log, MailSource::Log);
    EXPECT_EQ(rows, (QList<MailRow>{row(u"縦"_qs, u"2001/05/12 9:05:00"_qs, u"たて\r\n"_qs, true),
                                     row(u"一"_qs, u"2001/05/12 9:00:00"_qs, u"本文\r\n二行目\r\n"_qs)}));
    EXPECT_EQ(mailboxreader::readBytes(sampleLog(30), MailSource::Log).size(), 30);
}

// A body read back and split from its row is the body that was written, so
// a draft loaded and saved again stays the same; only a full-stop line,
// which the record format cannot carry, ends the record.
TEST(MailboxReader, BodiesComeBackAsWritten)
{
    struct Row {
        const char *name;
        QString body;
        QList<MailRow> listed; // newest first
    };
    const QString d = u"D"_qs;
    const Row rows[] = {
        {"empty lines kept", u"a\r\n\r\n\r\nb\r\n"_qs, {row(u"s"_qs, d, u"a\r\n\r\n\r\nb\r\n\r\n"_qs)}},
        {"header-like line kept", u"a\r\nSubject:new\r\nX-ViewMode:TATE"_qs,
         {row(u"s"_qs, d, u"a\r\nSubject:new\r\nX-ViewMode:TATE\r\n"_qs)}},
        // The full stop ends the record; the rest becomes a record of its own
        // whose lines stand outside any body.
        {"full-stop line ends the record", u"a\r\n.\r\nb"_qs,
         {MailRow(), row(u"s"_qs, d, u"a\r\n"_qs)}},
        {"lone LF stays inside the line", u"a\nb"_qs, {row(u"s"_qs, d, u"a\nb\r\n"_qs)}},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(mailboxreader::readBytes(logRecord(mail(u"s"_qs, r.body), d, false), MailSource::Log), r.listed)
            << r.name;
    }
}

TEST(MailboxReader, DraftsListOnlyOwnRecords)
{
    // Becky's own draft: no "Horonami" line, and a date that must not reach
    // the next record. Its subject's bytes hold "Horonami" after a lead
    // byte: "ォoronami" in code page 932.
    const QByteArray becky = "From:me@docomo.ne.jp\r\nTo:x@y\r\nSubject:" + hexBytes("83 48") + "oronami\r\n"
                             "X-Date:Sat, 12 May 2001\r\n\r\nbody\r\n.\r\n";
    const MailRecord own = mailrecord::build(mail(u"own"_qs, u"下書き"_qs));
    const QByteArray drafts = becky + mailrecord::bytes(own) + becky;
    EXPECT_EQ(mailboxreader::readBytes(drafts, MailSource::Drafts),
              QList<MailRow>{row(u"own"_qs, QString(), u"下書き\r\n"_qs)});
    EXPECT_EQ(mailboxreader::readBytes(drafts, MailSource::Log).size(), 3);
}

TEST(MailboxReader, SurvivesDamagedMailboxes)
{
    const QByteArray good = logRecord(mail(u"ok"_qs, u"b"_qs), u"D"_qs, false);
    // A record cut off before its full stop is not listed.
    const QByteArray cut = good + good.left(good.size() - 3);
    EXPECT_EQ(mailboxreader::readBytes(cut, MailSource::Log).size(), 1);
    // A full stop without a line end at the end of the file still counts.
    EXPECT_EQ(mailboxreader::readBytes(good.chopped(2), MailSource::Log).size(), 1);

    // A lone lead byte before CR LF and an invalid byte: each reads as the
    // codec's one replacement character and the line end is still seen.
    const QString bad = cp932::decode(hexBytes("ff"));
    ASSERT_EQ(bad.size(), 1);
    const QByteArray invalid = "Subject:" + hexBytes("82") + "\r\nTo:" + hexBytes("ff 82a0")
        + "\r\n\r\nbody\r\n.\r\n";
    const QList<MailRow> rows = mailboxreader::readBytes(invalid, MailSource::Log);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0], (MailRow{bad, bad + u"あ"_qs, {}, {}, u"body\r\n"_qs}));

    // Every ASCII byte but CR and LF as a field of its own reads as the
    // code page reads it (which swaps three control codes).
    QByteArray singles;
    for (int b = 0; b < 0x80; ++b) {
        if (b != '\r' && b != '\n')
            singles += "To:" + QByteArray(1, static_cast<char>(b)) + "\r\n.\r\n";
    }
    const QList<MailRow> read = mailboxreader::readBytes(singles, MailSource::Log);
    ASSERT_EQ(read.size(), 126);
    for (int b = 0x7f, i = 0; b >= 0; --b) {
        if (b != '\r' && b != '\n') {
            EXPECT_EQ(read[i++].to, cp932::decode(QByteArray(1, static_cast<char>(b)))) << b;
        }
    }

    // A line of several megabytes.
    const QString longLine(3 * 1024 * 1024, u'x');
    const QList<MailRow> big =
        mailboxreader::readBytes(logRecord(mail(u"big"_qs, longLine), u"D"_qs, false), MailSource::Log);
    ASSERT_EQ(big.size(), 1);
    EXPECT_EQ(big[0].body, longLine + u"\r\n"_qs);
}

// Reads `bytes` one CR LF line at a time, each decoded on its own: what the
// reader's decoding of whole runs of lines must always match.
QList<MailRow> readLineByLine(const QByteArray &bytes, MailSource source)
{
    MailboxParser parser(source);
    qsizetype start = 0;
    for (qsizetype end; (end = bytes.indexOf("\r\n", start)) >= 0; start = end + 2)
        parser.addLines(QByteArrayView(bytes).sliced(start, end - start));
    if (start < bytes.size())
        parser.addLines(QByteArrayView(bytes).sliced(start));
    return parser.takeRows();
}

// One log record whose body first fills up to `at` bytes from the start of
// the record with "x", so that `tail` starts exactly there, then ends.
QByteArray recordPlacing(qsizetype at, const QByteArray &tail)
{
    const QByteArray head = "Subject:s\r\nTo:t\r\nX-Date:d\r\nX-ViewMode:TATE\r\n\r\n";
    const QByteArray fill = QByteArray(at - head.size() - 2, 'x') + "\r\n";
    return head + fill + tail + "\r\nlast\r\n.\r\n";
}

TEST(MailboxReader, DecodesChunksExactlyAsLineByLine)
{
    constexpr qsizetype chunk = 1 << 20;
    struct Case {
        const char *name;
        qsizetype at;
        QByteArray tail;
    };
    const QList<Case> cases = {
        {"lead byte before CR LF", 100, hexBytes("41 82") + "\r\n" + hexBytes("82 a0")},
        {"invalid bytes at line ends", 100,
         hexBytes("ff") + "\r\n" + hexBytes("a0 80 fd") + "\r\n" + hexBytes("82 7f") + "\r\n"},
        {"lead byte before lone CR and lone LF", 100,
         hexBytes("82") + "\r" + hexBytes("82") + "\n" + hexBytes("82 a0")},
        {"chunk ends inside a line", chunk - 3, "abcdef"},
        {"chunk ends inside a double-byte character", chunk - 1, hexBytes("82 a0 82 a2")},
        {"chunk ends after a lead byte before CR LF", chunk - 1, hexBytes("82") + "\r\nnext"},
        {"chunk ends between CR and LF", chunk - 1, "\r\nnext"},
        {"chunk starts with an empty line", chunk - 2, "\r\n\r\nnext"},
        {"chunk starts with a full stop", chunk - 2, "\r\n.\r\nSubject:second\r\n\r\nb"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = recordPlacing(c.at, c.tail);
        ASSERT_EQ(bytes.indexOf(c.tail), c.at);
        for (const QByteArray &file : {bytes, bytes.chopped(2), bytes + hexBytes("82")}) {
            const QList<MailRow> expected = readLineByLine(file, MailSource::Log);
            const QList<MailRow> rows = mailboxreader::readBytes(file, MailSource::Log);
            ASSERT_FALSE(expected.isEmpty());
            EXPECT_EQ(rows, expected);
        }
    }
    // A whole chunk without CR LF whose last byte is the CR before the
    // closing ".", which ends the file.
    const QByteArray split = recordPlacing(chunk - 1, QByteArray(chunk, 'y')).chopped(11) + "\r\n.";
    ASSERT_EQ(split.lastIndexOf("\r\n"), 2 * chunk - 1);
    EXPECT_EQ(mailboxreader::readBytes(split, MailSource::Log).size(), 1);
}

// A device whose reads fail after the first `good` bytes.
class BreakingDevice : public QIODevice {
public:
    BreakingDevice(QByteArray data, qint64 good) : data_(std::move(data)), good_(good)
    {
        open(QIODevice::ReadOnly);
    }
protected:
    qint64 readData(char *out, qint64 max) override
    {
        if (pos_ >= good_)
            return -1;
        const qint64 n = std::min(max, good_ - pos_);
        std::copy_n(data_.constData() + pos_, n, out);
        pos_ += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
private:
    QByteArray data_;
    qint64 good_;
    qint64 pos_ = 0;
};

TEST(MailboxReader, ReadsAsFarAsTheFileLets)
{
    const QByteArray one = logRecord(mail(u"a"_qs, u"b"_qs), u"D"_qs, false);
    BreakingDevice device(one + one + one, 2 * one.size() + 20);
    EXPECT_EQ(mailboxreader::readDevice(device, MailSource::Log).size(), 2);

    TestFolder dir;
    // A file removed while it is open reads to its end.
    dir.writeBytes(u"OutPutLog.mbx"_qs, one + one);
    QFile file(dir.file(u"OutPutLog.mbx"_qs));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_TRUE(QFile::remove(dir.file(u"OutPutLog.mbx"_qs)));
    EXPECT_EQ(mailboxreader::readDevice(file, MailSource::Log).size(), 2);
    // A vanished file or a folder reads as nothing.
    EXPECT_TRUE(mailboxreader::readFile(dir.file(u"OutPutLog.mbx"_qs), MailSource::Log).isEmpty());
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Folder.mbx"_qs));
    EXPECT_TRUE(mailboxreader::readFile(dir.file(u"Folder.mbx"_qs), MailSource::Log).isEmpty());
}

TEST(MailboxReader, ListReportsMissingAndEmptyMailboxes)
{
    TestFolder dir;
    {
        ScriptedDialogs dialogs;
        dialogs.expectMessage(u"HORONAMI"_qs,
                              u"BECKY側の草稿データがないか、設定が間違っている可能性があります。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
        EXPECT_TRUE(mailboxreader::list(dir.file(u"Draft.mbx"_qs), MailSource::Drafts, dialogs).isEmpty());
    }
    dir.writeBytes(u"Draft.mbx"_qs, "From:a\r\n\r\nbecky\r\n.\r\n");
    {
        ScriptedDialogs dialogs;
        dialogs.expectMessage(u"HORONAMI"_qs, u"書きかけのデータは、ないようです。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None);
        EXPECT_TRUE(mailboxreader::list(dir.file(u"Draft.mbx"_qs), MailSource::Drafts, dialogs).isEmpty());
    }
    dir.writeBytes(u"OutPutLog.mbx"_qs, sampleLog(3));
    ScriptedDialogs quiet;
    EXPECT_EQ(mailboxreader::list(dir.file(u"OutPutLog.mbx"_qs), MailSource::Log, quiet).size(), 3);
    EXPECT_EQ(mailboxreader::headerRow(),
              u"タイトル\t|宛先（TO:）\t|送信時間(date:)\t|差出人（FROM:)\t|内容"_qs);
}

} // namespace
