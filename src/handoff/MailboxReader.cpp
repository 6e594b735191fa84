#include "handoff/MailboxReader.h"

#include "platform/Cp932.h"
#include "platform/Dialogs.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString columnSeparator = QStringLiteral("\t|");

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
        if (source_ == MailSource::Log || own_) {
            QString text;
            text.reserve(subject_.size() + to_.size() + date_.size() + from_.size()
                         + body_.size() + 4 * columnSeparator.size());
            for (const QString *column : {&subject_, &to_, &date_, &from_}) {
                text += *column;
                text += columnSeparator;
            }
            text += body_;
            rows_.append({std::move(text), vertical_});
            own_ = false;
            vertical_ = false;
        }
        from_.clear();
        to_.clear();
        subject_.clear();
        body_.clear();
        date_.clear();
        inBody_ = false;
        return;
    }

    if (line.contains(u"Horonami"))
        own_ = true;
    // Every body line is kept as written, empty ones and ones that look like
    // a header too, so that a draft loaded and saved again is the same.
    if (inBody_) {
        body_ += line;
        body_ += u"\r\n";
        return;
    }
    if (line.isEmpty()) {
        inBody_ = true;
        return;
    }
    if (takeField(line, u"From:", from_) || takeField(line, u"To:", to_)
        || takeField(line, u"Subject:", subject_) || takeField(line, u"X-Date:", date_))
        return;
    constexpr QStringView viewMode = u"X-ViewMode:";
    if (line.startsWith(viewMode) && line.sliced(viewMode.size()) == u"TATE")
        vertical_ = true;
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
    QByteArray pending;
    for (;;) {
        const QByteArray chunk = device.read(chunkSize);
        if (chunk.isEmpty())
            break;
        pending += chunk;
        const qsizetype lastEnd = pending.lastIndexOf("\r\n");
        if (lastEnd < 0)
            continue;
        const QString text = cp932::decode(QByteArrayView(pending).first(lastEnd));
        for (const QStringView line : QStringTokenizer(text, u"\r\n"))
            parser.addLine(line);
        pending.remove(0, lastEnd + 2);
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

QList<MailRow> list(const QString &path, MailSource source, Dialogs &dialogs,
                    QString &countLabel)
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
    countLabel = updatedCountLabel(countLabel, source, rows.size());
    return rows;
}

LoadedMail splitRow(QStringView row)
{
    const QList<QStringView> columns = row.split(columnSeparator);
    const auto column = [&columns](qsizetype i) {
        return i < columns.size() ? columns.at(i).toString() : QString();
    };
    // The record ends its body with a line end of its own.
    QString body = column(4);
    if (body.endsWith(u"\r\n"))
        body.chop(2);
    return {column(0), column(1), column(3), body};
}

QString initialCountLabel() { return QStringLiteral("草稿：0_ログ：0"); }

QString updatedCountLabel(const QString &caption, MailSource source, qsizetype count)
{
    const QString label = caption.contains(u'_') ? caption : initialCountLabel();
    const qsizetype cut = label.indexOf(u'_');
    if (source == MailSource::Drafts)
        return QStringLiteral("草稿：") + QString::number(count) + u'_' + label.mid(cut + 1);
    return label.left(cut) + QStringLiteral("_ログ：") + QString::number(count);
}

} // namespace mailboxreader
