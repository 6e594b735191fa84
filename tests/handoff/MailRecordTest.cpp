#include "core/handoff/MailRecord.h"
#include "support/TestFiles.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QTime>

#include <gtest/gtest.h>

namespace {

QByteArray ascii(const char *text) { return QByteArray(text); }

// The fixed header lines 5 to 9 of every record.
QByteArray fixedLines()
{
    return ascii("X-Priority:3\r\n"
                 "X-imodeMailEditer:Horonami Ver.5.4.11\r\n"
                 "Content-Type: text/plain; charset=shift_jis\r\n"
                 "Content-Transfer-Encoding: 8bit\r\n"
                 "Status:RW\r\n");
}

// An independent look at a message in the style of RFC 5322: every line
// ends in CR LF, the header lines are "name:value" with a printable ASCII
// name and no colon in it, an empty line separates them from the body.
// Returns the header names, or fails the test.
QList<QByteArray> headerNames(const QByteArray &message)
{
    QList<QByteArray> names;
    for (qsizetype i = 0; i < message.size(); ++i) {
        if (message[i] == '\r') {
            EXPECT_TRUE(i + 1 < message.size() && message[i + 1] == '\n') << "lone CR at " << i;
        }
        if (message[i] == '\n') {
            EXPECT_TRUE(i > 0 && message[i - 1] == '\r') << "lone LF at " << i;
        }
    }
    EXPECT_TRUE(message.endsWith("\r\n"));
    const qsizetype end = message.indexOf("\r\n\r\n");
    if (end < 0) {
        ADD_FAILURE() << "no empty line after the header";
        return names;
    }
    for (const QByteArray &line : message.left(end).split('\n')) {
        const QByteArray field = line.endsWith('\r') ? line.chopped(1) : line;
        const qsizetype colon = field.indexOf(':');
        EXPECT_GT(colon, 0) << field.constData();
        const QByteArray name = field.left(colon);
        for (const char c : name)
            EXPECT_TRUE(c >= 33 && c <= 126) << "bad name " << name.constData();
        names.append(name);
    }
    return names;
}

MailFields plainMail()
{
    MailFields mail;
    mail.from = u"me@docomo.ne.jp"_qs;
    mail.to = u"you@docomo.ne.jp"_qs;
    mail.subject = u"件名"_qs;
    mail.body = u"本文\r\n行目"_qs;
    return mail;
}

TEST(MailRecord, WritesTheRecordByteForByte)
{
    const QByteArray expected = ascii("From:me@docomo.ne.jp\r\nTo:you@docomo.ne.jp\r\nSubject:")
        + hexBytes("8c8f 96bc") // "件名"
        + ascii("\r\n") + fixedLines() + ascii("\r\n")
        + hexBytes("967b 95b6 0d0a 8d73 96da") // "本文" CR LF "行目"
        + ascii("\r\n.\r\n");
    EXPECT_EQ(mailrecord::bytes(mailrecord::build(plainMail())).toHex(' '), expected.toHex(' '));
}

TEST(MailRecord, VariantsDifferOnlyWhereTheyShould)
{
    MailFields empty;
    const QByteArray bareHeader = ascii("From:\r\nTo:\r\nSubject:\r\n") + fixedLines();
    // Empty fields: the names stand directly before CR LF; an empty body
    // leaves the empty line, an empty line and the full stop.
    EXPECT_EQ(mailrecord::bytes(mailrecord::build(empty)), bareHeader + ascii("\r\n\r\n.\r\n"));

    MailFields withBcc = empty;
    withBcc.bcc = u"acct@example.jp"_qs;
    EXPECT_EQ(mailrecord::bytes(mailrecord::build(withBcc)),
              ascii("From:\r\nTo:\r\nBcc:acct@example.jp\r\nSubject:\r\n") + fixedLines()
                  + ascii("\r\n\r\n.\r\n"));

    // A body line holding a single full stop is written as it is.
    MailFields dotted = empty;
    dotted.body = u"a\r\n.\r\nb"_qs;
    EXPECT_EQ(mailrecord::bytes(mailrecord::build(dotted)),
              bareHeader + ascii("\r\na\r\n.\r\nb\r\n.\r\n"));
}

TEST(MailRecord, LogRecordAddsDateAndViewModeAfterStatus)
{
    const MailRecord outbox = mailrecord::build(plainMail());
    const QByteArray outboxBytes = mailrecord::bytes(outbox);
    const qsizetype split = outboxBytes.indexOf("Status:RW\r\n") + 11;
    for (const bool vertical : {false, true}) {
        const MailRecord log = mailrecord::forLog(outbox, u"2001/05/12 14:03:22", vertical);
        const QByteArray extra = ascii("X-Date:2001/05/12 14:03:22\r\nX-ViewMode:")
            + (vertical ? ascii("TATE") : ascii("YOKO")) + ascii("\r\n");
        EXPECT_EQ(mailrecord::bytes(log),
                  outboxBytes.left(split) + extra + outboxBytes.mid(split));
        EXPECT_EQ(log.tail, outbox.tail);
    }
    EXPECT_EQ(mailrecord::logDate(QDateTime(QDate(2001, 5, 2), QTime(9, 3, 7))),
              u"2001/05/02 9:03:07"_qs);
}

TEST(MailRecord, LineBreaksInHeaderValuesCannotStartHeaderLines)
{
    MailFields mail = plainMail();
    mail.from = u"me@x\r\n"_qs;
    mail.to = u"you@x\r\nBcc:spy@evil.example"_qs;
    mail.bcc = u"\nacct@x"_qs;
    mail.subject = u"hi\rX-Evil:1\n\r\n\r\nfake body"_qs;
    const QByteArray bytes = mailrecord::bytes(mailrecord::build(mail));
    EXPECT_EQ(headerNames(bytes),
              (QList<QByteArray>{"From", "To", "Bcc", "Subject", "X-Priority",
                                 "X-imodeMailEditer", "Content-Type",
                                 "Content-Transfer-Encoding", "Status"}));
    EXPECT_TRUE(bytes.startsWith("From:me@x\r\nTo:you@xBcc:spy@evil.example\r\n"
                                 "Bcc:acct@x\r\nSubject:hiX-Evil:1fake body\r\n"));
    EXPECT_EQ(mailrecord::headerValue(u"a\r\n\nb\rc"), u"abc"_qs);
}

TEST(MailRecord, ParsesAsAMessage)
{
    MailFields mail = plainMail();
    mail.bcc = u"acct@example.jp"_qs;
    const MailRecord log = mailrecord::forLog(mailrecord::build(mail), u"2001/05/12 14:03:22", false);
    const QByteArray bytes = mailrecord::bytes(log);
    EXPECT_EQ(headerNames(bytes).size(), 11);
    // The body follows the empty line and ends with the full-stop line.
    EXPECT_TRUE(bytes.endsWith(QByteArray("\r\n\r\n") + hexBytes("967b 95b6 0d0a 8d73 96da")
                               + ascii("\r\n.\r\n")));
}

TEST(MailRecord, ConfirmationShowsHeaderAndTail)
{
    const MailRecord record = mailrecord::build(plainMail());
    EXPECT_EQ(mailrecord::confirmationTitle(), u"送信OK?"_qs);
    EXPECT_EQ(mailrecord::confirmationText(record),
              u"下記の内容でよろしいですか？\r\n-----------------------------------------\r\n"_qs
                  + record.header + u"\r\n本文\r\n行目\r\n."_qs);
}

} // namespace
