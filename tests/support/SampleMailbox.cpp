#include "support/SampleMailbox.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

MailFields sampleMail(int i)
{
    MailFields mail;
    mail.from = u"me@docomo.ne.jp"_qs;
    mail.to = u"friend%1@docomo.ne.jp"_qs.arg(i);
    mail.subject = u"件名%1"_qs.arg(i);
    mail.body = u"本文%1\r\n２行目です。"_qs.arg(i);
    return mail;
}

QByteArray sampleLog(int count)
{
    QByteArray log;
    const QDateTime start(QDate(2001, 5, 12), QTime(14, 3, 22));
    for (int i = 0; i < count; ++i) {
        const MailRecord record = mailrecord::build(sampleMail(i));
        log += mailrecord::bytes(
            mailrecord::forLog(record, mailrecord::logDate(start.addSecs(i)), i % 3 == 0));
    }
    return log;
}
