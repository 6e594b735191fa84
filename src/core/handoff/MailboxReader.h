#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>
#include <string_view>

class Dialogs;
class QIODevice;

/// Which mailbox the list shows: the account's drafts (only records this
/// program wrote) or the program's log (every record).
enum class MailSource { Drafts = 0, Log = 1 };

/// One listed record, as the list shows it and as it is loaded back into
/// the editor.
struct MailRow {
    QString subject;
    QString to;
    QString date;   ///< the "X-Date:" text; empty in drafts
    QString from;
    QString body;   ///< every kept body line followed by CR LF
    bool vertical = false; ///< written in vertical layout

    friend bool operator==(const MailRow &, const MailRow &) = default;
};
Q_DECLARE_TYPEINFO(MailRow, Q_RELOCATABLE_TYPE);

/// Reads the records of a mailbox line by line (a line ends at CR LF):
/// - a line "." ends the record; it is listed when reading the log, or when
///   one of its lines contained "Horonami"; the fields are then emptied
///   either way;
/// - before the body, a line starting with "From:", "To:", "Subject:" or
///   "X-Date:" sets that field, and "X-ViewMode:TATE" marks the record
///   vertical; other lines there are ignored;
/// - the first empty line starts the body, which keeps every line after it
///   as written, each followed by CR LF (so a draft loaded and saved again
///   is the same);
/// - a record without a final "." is not listed.
///
/// The parser works on the code page 932 bytes and decodes only the field
/// values and the body. That reads the same as decoding whole lines first:
/// the markers it looks for are ASCII, which no double-byte character
/// decodes to, and the code page keeps no state from one character to the
/// next (a lead byte before CR LF reads as U+FFFD without taking the CR), so
/// the bytes after an ASCII prefix or between CR LF decode on their own
/// exactly as they do inside the line or the file.
class MailboxParser {
public:
    explicit MailboxParser(MailSource source) : source_(source) {}

    /// Feeds the lines of `bytes`, separated by CR LF: n line ends make
    /// n + 1 lines, the last one without its line end. Nothing of `bytes`
    /// is kept after the call.
    void addLines(QByteArrayView bytes);

    /// The rows found so far, newest (last in the file) first.
    QList<MailRow> takeRows();

private:
    void addLine(std::string_view line);
    void addBodyLine(std::string_view line);
    void endRecord();
    /// Appends the body lines waiting in `bodyRun_` to the body.
    void takeBodyRun();

    MailSource source_;
    MailRow record_;
    bool own_ = false;
    bool inBody_ = false;
    /// Body lines that follow each other in the bytes, decoded in one call
    /// when something else comes between them or the bytes end.
    /// (An empty run is an empty body line.)
    std::optional<std::string_view> bodyRun_;
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
/// a mailbox without listed records too ("書きかけのデータは、ないようです。").
/// Returns the rows, newest first (empty after either message).
QList<MailRow> list(const QString &path, MailSource source, Dialogs &dialogs);

} // namespace mailboxreader
