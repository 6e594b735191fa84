#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

class Dialogs;
class QIODevice;

/// Which mailbox the list shows: the account's drafts (only records this
/// program wrote) or the program's log (every record).
enum class MailSource { Drafts = 0, Log = 1 };

/// One listed record: Subject TAB "|" To TAB "|" Date TAB "|" From TAB "|"
/// Body (the body keeps its CR LF line breaks), and whether it was written
/// in vertical layout.
struct MailRow {
    QString text;
    bool vertical = false;
};

/// A record of a listed row, as it is loaded back into the editor.
struct LoadedMail {
    QString subject;
    QString to;
    QString from;
    QString body;
};

/// Reads the records of a mailbox line by line (a line ends at CR LF):
/// - a line "." ends the record; it is listed when reading the log, or when
///   one of its lines contained "Horonami"; the fields are then emptied
///   either way;
/// - before the body, a line starting with "From:", "To:", "Subject:" or
///   "X-Date:" sets that field, and "X-ViewMode:TATE" marks the record
///   vertical; other lines there are ignored;
/// - the first empty line starts the body, which keeps every line after it
///   as written, each followed by CR LF;
/// - a record without a final "." is not listed.
class MailboxParser {
public:
    explicit MailboxParser(MailSource source) : source_(source) {}

    /// Feeds one line without its line end.
    void addLine(QStringView line);

    /// The rows found so far, newest (last in the file) first.
    QList<MailRow> takeRows();

private:
    MailSource source_;
    QString from_, to_, subject_, body_, date_;
    bool own_ = false;
    bool inBody_ = false;
    bool vertical_ = false;
    QList<MailRow> rows_; // in file order
};

namespace mailboxreader {

/// The list's first row: "タイトル" TAB "|宛先（TO:）" TAB "|送信時間(date:)"
/// TAB "|差出人（FROM:)" TAB "|内容".
QString headerRow();

/// The rows of a mailbox held in memory, newest first. Invalid Shift-JIS
/// bytes read as U+FFFD.
QList<MailRow> readBytes(QByteArrayView bytes, MailSource source);

/// The rows of a mailbox read from an open device in one pass, newest
/// first. A read error ends the reading; what was read until then counts.
QList<MailRow> readDevice(QIODevice &device, MailSource source);

/// The rows of the mailbox file at `path`, newest first; nothing when the
/// file cannot be opened.
QList<MailRow> readFile(const QString &path, MailSource source);

/// Lists a mailbox as the list command does, minus the window: a missing
/// file is reported ("BECKY側の草稿データがないか、設定が間違っている可能性があります。"),
/// a mailbox without listed records too ("書きかけのデータは、ないようです。");
/// otherwise `countLabel` gets the new count of this source. Returns the
/// rows, newest first (empty after either message).
QList<MailRow> list(const QString &path, MailSource source, Dialogs &dialogs,
                    QString &countLabel);

/// Splits a row at each TAB "|": Subject, To, the date (skipped), From and
/// the Body (up to a further TAB "|"), without the line end the record
/// writes after the body. Missing columns are empty.
LoadedMail splitRow(QStringView row);

/// The count label before any listing: "草稿：0_ログ：0".
QString initialCountLabel();

/// The count label after listing `count` records of `source`: drafts give
/// "草稿：" + count + "_" + the part after the first "_"; the log gives the
/// part before the first "_" + "_ログ：" + count. A caption without "_"
/// (damaged settings) is taken as the initial label.
QString updatedCountLabel(const QString &caption, MailSource source, qsizetype count);

} // namespace mailboxreader
