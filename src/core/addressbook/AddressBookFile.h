#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

/// One address book entry: a line of a book file.
struct AddressEntry {
    /// The mail address; empty for an entry created by name only.
    QString address;
    /// The registered name, shown as the entry's line in the entry list.
    QString name;
    /// Everything after the name's TAB, unchanged, or empty.
    QString details;

    friend bool operator==(const AddressEntry &, const AddressEntry &) = default;
};

/// The address books: the program's own "addr.adr" ("MY ADR") and Becky's
/// group files, which share one line format. Shift-JIS text, CR LF line
/// ends, fields separated by TAB. A line with a TAB is an entry line
/// (address, name, details); a line without a TAB but with "@" is an
/// address-only line (address and name, no details); any other line is
/// ignored.
namespace addressbook {

/// The four views of the details: model (Becky's remark), nickname, home
/// page and PGP user id.
struct DetailFields {
    QString model;
    QString nickname;
    QString homePage;
    QString pgpUserId;
};

/// A book as read from its file.
struct LoadedBook {
    QList<AddressEntry> entries;
    /// Entry lines left out by the i-mode filter, in file order. A save of
    /// MY ADR writes them back after the entries, so that a book opened with
    /// the i-mode setting on keeps the recipients it did not show.
    QStringList setAside;
};

/// A book file listed for choosing: the name shown (the file name without
/// its last four characters) and the file.
struct BookFile {
    QString shownName;
    QString path;

    friend bool operator==(const BookFile &, const BookFile &) = default;
};

/// An entry of the main window's To list: its text and the name of the
/// phone model whose index becomes the item data (empty: the first model).
struct AddressListItem {
    QString text;
    QString modelName;

    friend bool operator==(const AddressListItem &, const AddressListItem &) = default;
};

/// The edited fields of the address book window, with the flags saying
/// which of them the user changed.
struct EntryEdit {
    QString address;
    QString name;
    DetailFields details; ///< model is not read: commit asks for the name
    bool addressChanged = false;
    bool nameChanged = false;
    bool detailsChanged = false;
};

/// The model name of details without a chosen model: "不明".
QString unknownModel();

/// Loads a book file. With `imodeOnly`, entry lines whose address lacks
/// "docomo" (case-sensitive) are set aside instead of loaded; address-only
/// lines are never filtered. An entry line with one TAB only reads the rest
/// as the name, with empty details. A missing file gives an empty book.
LoadedBook loadBook(const QString &path, bool imodeOnly);

/// Splits details at their first three TABs into the four views; text after
/// a fourth TAB stays in the PGP user id's remainder and is not shown.
DetailFields splitDetails(const QString &details);

/// The text of a field made fit for the line format: TAB becomes a space,
/// CR and LF are removed.
QString cleanField(const QString &text);

/// Puts edited fields into an entry: the address and name when changed, and,
/// when the details or the name changed, details rebuilt from
/// `modelName()`, the nickname, home page and PGP user id joined by TAB.
/// Empty detail fields become "." in `edit` as well, so the window can show
/// them. Every field is cleaned (cleanField) first. Clears the flags.
void commitEntry(AddressEntry &entry, EntryEdit &edit, const std::function<QString()> &modelName);

/// The line a save writes for an entry: nothing when address and details
/// are empty, the address alone when the details are empty and the name is
/// the address, otherwise address + TAB + name + TAB + details (so that an
/// entry reads back with its name).
std::optional<QString> savedLine(const AddressEntry &entry);

/// The To list's entry for a line of "addr.adr" read at start-up: an entry
/// line shows as name + "<" + address + ">" with its third field as the
/// model name, an address-only line as it is; other lines give nothing.
std::optional<AddressListItem> addressListItemOfLine(QStringView line);

/// Rewrites MY ADR: the saved line of each entry in order, then the lines
/// set aside. The old file stays when the write fails; returns false then.
bool saveBook(const QString &path, const QList<AddressEntry> &entries,
              const QStringList &setAside = {});

/// Appends one line to a book file, after ending the file's last line when
/// it has no line end (a book edited by hand), so that the new line is not
/// glued onto it; creates the file when missing. Every line added to a book
/// goes through here. Returns false when nothing was written.
bool appendLine(const QString &path, const QString &line);

/// Appends address + TAB + name + TAB + details as one line (an entry with
/// empty details gives a line ending with TAB). Returns false when nothing
/// was written.
bool importEntry(const QString &path, const AddressEntry &entry);

/// Appends an address alone, as an address-only line (the field made fit
/// for the format first). Returns false when nothing was written.
bool appendAddress(const QString &path, const QString &address);

/// Replaces `target` with an exact copy of `source`. The old target stays
/// when the copy fails (a missing source, a missing folder); returns false
/// then.
bool exportBook(const QString &source, const QString &target);

/// True when a line of the file contains "docomo" (case-sensitive).
bool holdsImodeAddress(const QString &path);

/// The group files of an address book folder: files whose name ends with
/// ".adr" in any case, by name. With `imodeOnly`, only the files that hold
/// an i-mode address.
QList<BookFile> listBeckyBooks(const QString &folder, bool imodeOnly);

} // namespace addressbook
