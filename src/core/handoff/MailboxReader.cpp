#include "core/handoff/MailboxReader.h"

#include "core/platform/Cp932.h"
#include "core/platform/Dialogs.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <string_view>

using namespace std::string_view_literals;

namespace {

// The text of a field's bytes (plain ASCII ones, like an address or a date,
// need no converter).
QString decodeField(std::string_view bytes)
{
    return cp932::decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// Takes the rest of `line` after `prefix` into `field` when the line starts
// with it (case matters). The prefix's length is a constant, so that the
// test of a line that does not start with it costs a few instructions.
template <std::size_t N>
bool takeField(std::string_view line, const char (&prefix)[N], QString &field)
{
    if (!line.starts_with(std::string_view(prefix, N - 1)))
        return false;
    field = decodeField(line.substr(N - 1));
    return true;
}

// True when the text of `line` contains "Horonami". The bytes may hold it
// where the text does not (as the second byte of a double-byte character
// and what follows), so a find in the bytes is confirmed on the text.
bool marksOwnRecord(std::string_view line)
{
    return line.find("Horonami"sv) != line.npos && decodeField(line).contains(u"Horonami");
}

// Where the last CR LF of `bytes` starts, or -1. It looks for CR from the
// end with memrchr, which scans many bytes a step: a mailbox with LF-only
// line ends holds no CR at all, and in an ordinary one the last CR is near
// the end.
qsizetype lastLineEnd(QByteArrayView bytes)
{
    const char *begin = bytes.data();
    for (qsizetype length = bytes.size() - 1; length > 0;) {
        const auto *cr = static_cast<const char *>(memrchr(begin, '\r', static_cast<std::size_t>(length)));
        if (!cr)
            return -1;
        if (cr[1] == '\n')
            return cr - begin;
        length = cr - begin;
    }
    return -1;
}

} // namespace

void MailboxParser::addLines(QByteArrayView bytes)
{
    // The standard library finds CR LF with memchr; QByteArrayView's search
    // sets up a matcher per call, which lines of a few dozen bytes feel.
    const std::string_view text(bytes.data(), static_cast<std::size_t>(bytes.size()));
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find("\r\n"sv, start);
        addLine(text.substr(start, end == text.npos ? text.npos : end - start));
        if (end == text.npos)
            break;
        start = end + 2;
    }
    takeBodyRun();
}

void MailboxParser::addLine(std::string_view line)
{
    if (line == "."sv) {
        endRecord();
        return;
    }

    // Only the draft source asks whose record it is.
    if (source_ == MailSource::Drafts && !own_ && marksOwnRecord(line))
        own_ = true;
    // Every body line is kept as written, empty ones and ones that look like
    // a header too, so that a draft loaded and saved again is the same.
    if (inBody_) {
        addBodyLine(line);
        return;
    }
    if (line.empty()) {
        inBody_ = true;
        return;
    }
    if (takeField(line, "From:", record_.from) || takeField(line, "To:", record_.to)
        || takeField(line, "Subject:", record_.subject) || takeField(line, "X-Date:", record_.date))
        return;
    constexpr std::string_view viewMode = "X-ViewMode:";
    if (line.starts_with(viewMode) && line.substr(viewMode.size()) == "TATE"sv)
        record_.vertical = true;
}

void MailboxParser::addBodyLine(std::string_view line)
{
    // A line straight after the previous body line joins its run.
    if (bodyRun_ && bodyRun_->data() + bodyRun_->size() + 2 == line.data()) {
        bodyRun_ = std::string_view(bodyRun_->data(), bodyRun_->size() + 2 + line.size());
    } else {
        takeBodyRun();
        bodyRun_ = line;
    }
}

void MailboxParser::takeBodyRun()
{
    if (!bodyRun_)
        return;
    // The CR LF between the run's lines are decoded with them.
    record_.body += decodeField(*bodyRun_);
    record_.body += u"\r\n";
    bodyRun_.reset();
}

void MailboxParser::endRecord()
{
    takeBodyRun();
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
    // The device is read in large chunks, and the lines of each chunk up to
    // its last CR LF go to the parser at once; the rest waits for the next
    // chunk. Lines end at CR LF only; a lone CR or LF stays inside its line.
    // Each byte is searched for the last CR LF once: no CR LF starts before
    // `searched` in the pending bytes (the byte there may be a CR that the
    // next chunk completes), so a long stretch without CR LF is not searched
    // again with every chunk.
    QByteArray pending;
    qsizetype searched = 0;
    for (;;) {
        // Read straight into the pending bytes, without a chunk between.
        const qsizetype before = pending.size();
        pending.resize(before + chunkSize);
        const qint64 got = device.read(pending.data() + before, chunkSize);
        pending.resize(before + std::max<qint64>(got, 0));
        if (got <= 0)
            break;
        const qsizetype lastEnd = lastLineEnd(QByteArrayView(pending).sliced(searched));
        if (lastEnd < 0) {
            searched = pending.size() - 1;
            continue;
        }
        parser.addLines(QByteArrayView(pending).first(searched + lastEnd));
        pending.remove(0, searched + lastEnd + 2);
        searched = std::max<qsizetype>(pending.size() - 1, 0);
    }
    if (!pending.isEmpty())
        parser.addLines(pending);
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
