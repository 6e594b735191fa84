#include "handoff/MailboxReader.h"

#include "platform/Cp932.h"
#include "platform/Dialogs.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Takes the rest of `line` after `prefix` into `field` when the line starts
// with it (case matters).
bool takeField(QStringView line, QStringView prefix, QString &field)
{
    if (!line.startsWith(prefix))
        return false;
    field = line.mid(prefix.size()).toString();
    return true;
}

} // namespace

void MailboxParser::addLine(QStringView line)
{
    if (line == u".") {
        const bool listed = source_ == MailSource::Log || own_;
        // A record that is not listed hands its vertical mark on to the next
        // record, as the list always did.
        const bool vertical = !listed && record_.vertical;
        if (listed)
            rows_.append(std::move(record_));
        record_ = MailRow();
        record_.vertical = vertical;
        own_ = false;
        inBody_ = false;
        return;
    }

    if (line.contains(u"Horonami"))
        own_ = true;
    else if (line.isEmpty())
        inBody_ = true;

    if (takeField(line, u"From:", record_.from) || takeField(line, u"To:", record_.to)
        || takeField(line, u"Subject:", record_.subject) || takeField(line, u"X-Date:", record_.date))
        return;
    constexpr QStringView viewMode = u"X-ViewMode:";
    if (line.startsWith(viewMode)) {
        if (line.sliced(viewMode.size()) == u"TATE")
            record_.vertical = true;
        return;
    }
    if (!line.isEmpty() && inBody_) {
        record_.body += line;
        record_.body += u"\r\n";
    }
}

QList<MailRow> MailboxParser::takeRows()
{
    QList<MailRow> rows = std::move(rows_);
    rows_.clear();
    std::reverse(rows.begin(), rows.end());
    return rows;
}

namespace mailboxreader {

QString headerRow()
{
    return QStringLiteral("タイトル\t|宛先（TO:）\t|送信時間(date:)\t|差出人（FROM:)\t|内容");
}

QList<MailRow> readDevice(QIODevice &device, MailSource source)
{
    constexpr qint64 chunkSize = 1 << 20;
    MailboxParser parser(source);
    // The device is read in large chunks, and each chunk is decoded in one
    // call up to its last CR LF; the rest waits for the next chunk. Lines end
    // at CR LF only; a lone CR or LF stays inside its line. Code page 932
    // keeps no state across CR LF: no character contains CR or LF, and a
    // lead byte or invalid byte before CR LF decodes to U+FFFD without taking
    // the CR, so the decoded text splits exactly as the bytes do.
    // Each byte is searched for the last CR LF once: no CR LF starts before
    // `searched` in the pending bytes (the byte there may be a CR that the
    // next chunk completes), so a long stretch without CR LF is not searched
    // again with every chunk.
    QByteArray pending;
    qsizetype searched = 0;
    for (;;) {
        const QByteArray chunk = device.read(chunkSize);
        if (chunk.isEmpty())
            break;
        pending += chunk;
        const qsizetype found = QByteArrayView(pending).sliced(searched).lastIndexOf("\r\n");
        if (found < 0) {
            searched = pending.size() - 1;
            continue;
        }
        const qsizetype lastEnd = searched + found;
        const QString text = cp932::decode(QByteArrayView(pending).first(lastEnd));
        for (const QStringView line : QStringTokenizer(text, u"\r\n"))
            parser.addLine(line);
        pending.remove(0, lastEnd + 2);
        searched = std::max<qsizetype>(pending.size() - 1, 0);
    }
    if (!pending.isEmpty())
        parser.addLine(cp932::decode(pending));
    return parser.takeRows();
}

QList<MailRow> readBytes(QByteArrayView bytes, MailSource source)
{
    // The buffer only reads, so it can work on the caller's bytes in place.
    QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return readDevice(buffer, source);
}

QList<MailRow> readFile(const QString &path, MailSource source)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readDevice(file, source);
}

QList<MailRow> list(const QString &path, MailSource source, Dialogs &dialogs)
{
    if (!QFileInfo::exists(path)) {
        dialogs.inform(QStringLiteral(
            "BECKY側の草稿データがないか、設定が間違っている可能性があります。"));
        return {};
    }
    QList<MailRow> rows = readFile(path, source);
    if (rows.isEmpty()) {
        dialogs.inform(QStringLiteral("書きかけのデータは、ないようです。"));
        return {};
    }
    return rows;
}

} // namespace mailboxreader
