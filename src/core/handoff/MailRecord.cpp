#include "core/handoff/MailRecord.h"

#include "core/platform/Cp932.h"

#include <QDateTime>

namespace mailrecord {
namespace {

const QString crlf = QStringLiteral("\r\n");

void addLine(QString &block, QStringView name, QStringView value)
{
    block += name;
    block += value;
    block += crlf;
}

} // namespace

QString editorLine()
{
    return QStringLiteral("X-imodeMailEditer:Horonami Ver.%1.%2.%3")
        .arg(HORONAMI_VERSION_MAJOR)
        .arg(HORONAMI_VERSION_MINOR)
        .arg(HORONAMI_VERSION_PATCH);
}

QString headerValue(QStringView value)
{
    QString line;
    line.reserve(value.size());
    for (const QChar c : value) {
        if (c != u'\r' && c != u'\n')
            line += c;
    }
    return line;
}

MailRecord build(const MailFields &fields)
{
    MailRecord record;
    QString &h = record.header;
    addLine(h, u"From:", headerValue(fields.from));
    addLine(h, u"To:", headerValue(fields.to));
    if (fields.bcc)
        addLine(h, u"Bcc:", headerValue(*fields.bcc));
    addLine(h, u"Subject:", headerValue(fields.subject));
    addLine(h, u"X-Priority:3", {});
    addLine(h, editorLine(), {});
    addLine(h, u"Content-Type: text/plain; charset=shift_jis", {});
    addLine(h, u"Content-Transfer-Encoding: 8bit", {});
    addLine(h, u"Status:RW", {});

    record.tail = crlf + fields.body + crlf + u'.';
    return record;
}

MailRecord forLog(const MailRecord &record, QStringView dateText, bool vertical)
{
    MailRecord log = record;
    addLine(log.header, u"X-Date:", headerValue(dateText));
    addLine(log.header, vertical ? u"X-ViewMode:TATE" : u"X-ViewMode:YOKO", {});
    return log;
}

QString logDate(const QDateTime &moment)
{
    return moment.toLocalTime().toString(QStringLiteral("yyyy/MM/dd H:mm:ss"));
}

QString text(const MailRecord &record) { return record.header + record.tail + crlf; }

QByteArray bytes(const MailRecord &record) { return cp932::encode(text(record)); }

QString confirmationTitle() { return QStringLiteral("送信OK?"); }

QString confirmationText(const MailRecord &record)
{
    return QStringLiteral("下記の内容でよろしいですか？") + crlf + QString(41, u'-') + crlf
        + record.header + record.tail;
}

} // namespace mailrecord
