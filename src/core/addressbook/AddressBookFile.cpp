#include "core/addressbook/AddressBookFile.h"

#include "core/addressbook/CarrierDomain.h"
#include "core/platform/Cp932.h"
#include "core/platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <utility>

namespace addressbook {

namespace {

// Cuts `rest` at its first TAB: returns the text before it and leaves the
// text after it in `rest` (all of it, and nothing left, without a TAB).
QString takeField(QString &rest)
{
    const qsizetype tab = rest.indexOf(u'\t');
    if (tab < 0)
        return std::exchange(rest, QString());
    QString field = rest.left(tab);
    rest = rest.mid(tab + 1);
    return field;
}

QString entryLine(const AddressEntry &entry)
{
    return entry.address + u'\t' + entry.name + u'\t' + entry.details;
}

QString listText(QStringView name, QStringView address)
{
    QString text;
    text.reserve(name.size() + address.size() + 2);
    return text.append(name).append(u'<').append(address).append(u'>');
}

// An empty detail field is written as ".".
QString orDot(const QString &field)
{
    return field.isEmpty() ? QStringLiteral(".") : field;
}

} // namespace

QString unknownModel()
{
    return QStringLiteral("不明");
}

LoadedBook loadBook(const QString &path, bool imodeOnly)
{
    LoadedBook book;
    for (const QString &line : textfile::readLines(path)) {
        if (line.contains(u'\t')) {
            QString rest = line;
            const QString address = takeField(rest);
            if (imodeOnly && !address.contains(carrierName())) {
                book.setAside.append(line);
                continue;
            }
            const QString name = takeField(rest);
            book.entries.append({address, name, rest});
        } else if (line.contains(u'@')) {
            book.entries.append({line, line, QString()});
        }
    }
    return book;
}

DetailFields splitDetails(const QString &details)
{
    QString rest = details;
    DetailFields fields;
    fields.model = takeField(rest);
    fields.nickname = takeField(rest);
    fields.homePage = takeField(rest);
    fields.pgpUserId = takeField(rest);
    return fields;
}

QString cleanField(const QString &text)
{
    QString clean = text;
    clean.replace(u'\t', u' ');
    clean.remove(u'\r');
    clean.remove(u'\n');
    return clean;
}

void commitEntry(AddressEntry &entry, EntryEdit &edit, const std::function<QString()> &modelName)
{
    if (edit.addressChanged)
        entry.address = cleanField(edit.address);
    if (edit.nameChanged)
        entry.name = cleanField(edit.name);
    if (edit.detailsChanged || edit.nameChanged) {
        DetailFields &d = edit.details;
        d.nickname = orDot(cleanField(d.nickname));
        d.homePage = orDot(cleanField(d.homePage));
        d.pgpUserId = orDot(cleanField(d.pgpUserId));
        entry.details = cleanField(modelName()) + u'\t' + d.nickname + u'\t' + d.homePage + u'\t'
                        + d.pgpUserId;
    }
    edit.addressChanged = edit.nameChanged = edit.detailsChanged = false;
}

std::optional<QString> savedLine(const AddressEntry &entry)
{
    if (!entry.details.isEmpty())
        return entryLine(entry);
    if (entry.address.isEmpty())
        return std::nullopt;
    // An address-only line reads back with the address as its name.
    if (entry.name == entry.address)
        return entry.address;
    return entryLine(entry);
}

std::optional<AddressListItem> addressListItemOfLine(QStringView line)
{
    if (line.contains(u'\t')) {
        // Address, name and model; a line without its model field reads the
        // model as empty. Read in place: start-up reads thousands of lines.
        QStringView fields[3];
        int count = 0;
        for (const QStringView field : line.tokenize(u'\t')) {
            fields[count++] = field;
            if (count == 3)
                break;
        }
        return AddressListItem{listText(fields[1], fields[0]), fields[2].toString()};
    }
    if (line.contains(u'@'))
        return AddressListItem{line.toString(), QString()};
    return std::nullopt;
}

bool saveBook(const QString &path, const QList<AddressEntry> &entries, const QStringList &setAside)
{
    QStringList lines;
    for (const AddressEntry &entry : entries) {
        if (const std::optional<QString> line = savedLine(entry))
            lines.append(*line);
    }
    lines.append(setAside);
    return textfile::writeAtomically(path, textfile::joinLines(lines));
}

bool importEntry(const QString &path, const AddressEntry &entry)
{
    return appendLine(path, entryLine(entry));
}

bool appendAddress(const QString &path, const QString &address)
{
    return appendLine(path, cleanField(address));
}

bool appendLine(const QString &path, const QString &line)
{
    QByteArray bytes = cp932::encode(textfile::joinLines({line}));
    QFile book(path);
    if (book.open(QIODevice::ReadOnly) && book.size() > 0) {
        book.seek(book.size() - 1);
        const QByteArray last = book.read(1);
        if (last == "\r")
            bytes.prepend('\n');
        else if (last != "\n")
            bytes.prepend("\r\n");
    }
    book.close();
    return textfile::appendAll(path, bytes);
}

bool exportBook(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    QSaveFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

bool holdsImodeAddress(const QString &path)
{
    const QStringList lines = textfile::readLines(path);
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString &line) { return line.contains(carrierName()); });
}

QList<BookFile> listBeckyBooks(const QString &folder, bool imodeOnly)
{
    QList<BookFile> books;
    const QDir dir(folder);
    for (const QString &file : dir.entryList(QDir::Files, QDir::Name)) {
        if (!file.endsWith(u".adr"_qs, Qt::CaseInsensitive))
            continue;
        const QString path = dir.filePath(file);
        if (imodeOnly && !holdsImodeAddress(path))
            continue;
        books.append({file.chopped(4), path});
    }
    return books;
}

} // namespace addressbook
