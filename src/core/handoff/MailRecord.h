#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

class QDateTime;

/// The values a mailbox record is built from.
struct MailFields {
    QString from;    ///< caption of the chosen sending address
    QString to;      ///< the recipient as typed or chosen
    std::optional<QString> bcc; ///< the account's own address; absent without the Bcc option
    QString subject;
    QString body;    ///< CR LF form, already prepared (vertical layout or signature)
};

/// One mail as it is appended to a mailbox: the header block and the tail,
/// built once by the send command and written to the outbox and the log.
/// The bytes on disk are header + tail + CR LF, in code page 932.
struct MailRecord {
    QString header; ///< header lines, each ended by CR LF
    QString tail;   ///< CR LF + body + CR LF + "."
};

namespace mailrecord {

/// "X-imodeMailEditer:Horonami Ver.<major>.<minor>.<patch>" with this build's
/// version; the word "Horonami" is how the reader recognises own records.
QString editorLine();

/// A header value on one line: every CR and every LF is removed, so no value
/// can start a header line of its own or end the header block early.
/// Everything else is kept as it is.
QString headerValue(QStringView value);

/// Builds the record: header lines From, To, Bcc (only when present),
/// Subject, X-Priority, X-imodeMailEditer, Content-Type,
/// Content-Transfer-Encoding and Status, then the tail. Header values pass
/// through headerValue(); the body is written unaltered (a "." line too).
MailRecord build(const MailFields &fields);

/// The log variant of a record: its header block gets "X-Date:" + dateText
/// and "X-ViewMode:TATE" (vertical) or "X-ViewMode:YOKO"; the tail is the same.
MailRecord forLog(const MailRecord &record, QStringView dateText, bool vertical);

/// The "X-Date:" text of a moment: "yyyy/MM/dd H:mm:ss" in local time, the
/// general date-time form of a Japanese Windows.
QString logDate(const QDateTime &moment);

/// The record text as it is appended: header + tail + CR LF.
QString text(const MailRecord &record);

/// The record bytes as they are appended (code page 932; characters the code
/// page cannot hold become "?").
QByteArray bytes(const MailRecord &record);

/// The title of the confirmation box shown before a send: "送信OK?".
QString confirmationTitle();

/// The text of the confirmation box: "下記の内容でよろしいですか？", CR LF,
/// 41 hyphen-minus characters, CR LF, the header block and the tail.
QString confirmationText(const MailRecord &record);

} // namespace mailrecord
