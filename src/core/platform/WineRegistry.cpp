#include "core/platform/WineRegistry.h"

#include "core/platform/Cp932.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QStringView>

namespace {

// Registry value types, as Windows numbers them.
constexpr int RegSz = 1;
constexpr int RegExpandSz = 2;
constexpr int RegDword = 4;
constexpr int RegMultiSz = 7;

// The buffer the ANSI call is given; a longer value reads as empty.
constexpr qsizetype AnsiBufferSize = 1024;

QString fold(QStringView name) { return name.toString().toCaseFolded(); }

QStringView withoutCr(QStringView line) { return line.endsWith(u'\r') ? line.chopped(1) : line; }

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isOctalDigit(QChar c) { return c >= u'0' && c <= u'7'; }

// Reads text written with Wine's escapes from `pos` up to the unescaped
// `end` character and moves `pos` past that character. Wine writes "\x"
// with one to four hex digits, "\0" to "\777" in octal, C escapes for
// control characters, and a backslash before "\" and the end character;
// any other escaped character stands for itself. Nothing when the line
// ends before `end`.
std::optional<QString> unescape(QStringView text, qsizetype &pos, QChar end)
{
    QString out;
    while (pos < text.size()) {
        const QChar c = text[pos++];
        if (c == end)
            return out;
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (pos >= text.size())
            return std::nullopt;
        const QChar e = text[pos++];
        switch (e.unicode()) {
        case u'a': out += QChar(0x07); break;
        case u'b': out += QChar(0x08); break;
        case u'e': out += QChar(0x1b); break;
        case u'f': out += QChar(0x0c); break;
        case u'n': out += QChar(0x0a); break;
        case u'r': out += QChar(0x0d); break;
        case u't': out += QChar(0x09); break;
        case u'v': out += QChar(0x0b); break;
        case u'x': {
            int unit = 0;
            int digits = 0;
            while (digits < 4 && pos < text.size() && hexDigit(text[pos]) >= 0) {
                unit = unit * 16 + hexDigit(text[pos++]);
                ++digits;
            }
            out += digits > 0 ? QChar(char16_t(unit)) : e;
            break;
        }
        default:
            if (isOctalDigit(e)) {
                int unit = e.unicode() - u'0';
                for (int i = 1; i < 3 && pos < text.size() && isOctalDigit(text[pos]); ++i)
                    unit = unit * 8 + (text[pos++].unicode() - u'0');
                out += QChar(char16_t(unit));
            } else {
                out += e;
            }
        }
    }
    return std::nullopt;
}

// A string as Windows keeps it: UTF-16LE with a zero terminator.
QByteArray storedString(const QString &text)
{
    QByteArray bytes;
    bytes.reserve((text.size() + 1) * 2);
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xff);
        bytes += char(c.unicode() >> 8);
    }
    bytes += '\0';
    bytes += '\0';
    return bytes;
}

// "01,ab,ff" (continuation lines already joined); nothing when malformed.
std::optional<QByteArray> parseHexBytes(QStringView text)
{
    QByteArray bytes;
    for (QStringView token : text.split(u',')) {
        token = token.trimmed();
        if (token.isEmpty())
            continue;
        bool ok = false;
        const uint byte = token.toUInt(&ok, 16);
        if (!ok || byte > 0xff)
            return std::nullopt;
        bytes += char(byte);
    }
    return bytes;
}

// The "(N):" after "str" or "hex": the type number in hex.
std::optional<int> typeInParentheses(QStringView text, qsizetype &pos)
{
    if (pos >= text.size() || text[pos] != u'(')
        return std::nullopt;
    const qsizetype close = text.indexOf(u"):", pos);
    if (close < 0)
        return std::nullopt;
    bool ok = false;
    const uint type = text.sliced(pos + 1, close - pos - 1).toUInt(&ok, 16);
    if (!ok || type > 0xffff)
        return std::nullopt;
    pos = close + 2;
    return int(type);
}

struct ParsedValue {
    int type = 0;
    QByteArray data;
};

// The part of a value line after "=".
std::optional<ParsedValue> parseData(QStringView text)
{
    qsizetype pos = 0;
    int type = RegSz;
    if (text.startsWith(u"str:")) {
        pos = 4;
    } else if (text.startsWith(u"str(")) {
        pos = 3;
        const auto t = typeInParentheses(text, pos);
        if (!t)
            return std::nullopt;
        type = *t;
    }
    if (pos < text.size() && text[pos] == u'"') {
        ++pos;
        const auto s = unescape(text, pos, u'"');
        if (!s)
            return std::nullopt;
        return ParsedValue{type, storedString(*s)};
    }
    if (pos > 0)
        return std::nullopt; // "str" without a quoted string
    if (text.startsWith(u"dword:")) {
        const QStringView digits = text.sliced(6).trimmed();
        bool ok = false;
        const uint n = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 8)
            return std::nullopt;
        QByteArray bytes(4, '\0');
        for (int i = 0; i < 4; ++i)
            bytes[i] = char((n >> (8 * i)) & 0xff);
        return ParsedValue{RegDword, bytes};
    }
    if (text.startsWith(u"hex:")) {
        pos = 4;
        type = 3; // REG_BINARY
    } else if (text.startsWith(u"hex(")) {
        pos = 3;
        const auto t = typeInParentheses(text, pos);
        if (!t)
            return std::nullopt;
        type = *t;
    } else {
        return std::nullopt;
    }
    const auto bytes = parseHexBytes(text.sliced(pos));
    if (!bytes)
        return std::nullopt;
    return ParsedValue{type, *bytes};
}

} // namespace

WineRegistry::WineRegistry(QString prefixFolder)
    : file_(std::move(prefixFolder) + u"/user.reg"_qs)
{
}

QString WineRegistry::prefixFromEnvironment()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return prefix.isEmpty() ? QDir::homePath() + u"/.wine"_qs : prefix;
}

const QHash<QString, WineRegistry::Key> &WineRegistry::keys() const
{
    if (keys_)
        return *keys_;
    keys_.emplace();
    QFile file(file_);
    if (!file.open(QIODevice::ReadOnly))
        return *keys_;
    // Wine writes plain ASCII (everything else escaped); a hand-edited file
    // is most likely UTF-8.
    const QString content = QString::fromUtf8(file.readAll());
    const QList<QStringView> lines = QStringView(content).split(u'\n');
    if (withoutCr(lines.first()) != u"WINE REGISTRY Version 2")
        return *keys_; // not a registry file Wine would load

    std::optional<QString> currentKey;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringView line = withoutCr(lines[i]);
        qsizetype pos = 1;
        if (line.startsWith(u'[')) {
            // "[Software\\Example] 1796615648": the path, then a time stamp.
            const auto path = unescape(line, pos, u']');
            currentKey = path ? std::optional(fold(*path)) : std::nullopt;
            if (currentKey && !keys_->contains(*currentKey))
                keys_->insert(*currentKey, {});
            continue;
        }
        if (!currentKey)
            continue;
        QString name; // "@" names the default value, kept under the empty name
        if (line.startsWith(u'"')) {
            const auto quoted = unescape(line, pos, u'"');
            if (!quoted)
                continue;
            name = *quoted;
        } else if (!line.startsWith(u'@')) {
            continue; // "#time=", comments, blank lines, anything unknown
        }
        if (pos >= line.size() || line[pos] != u'=')
            continue;
        QString data = line.sliced(pos + 1).toString();
        // Binary data goes on over lines that end in "\".
        if (data.startsWith(u"hex")) {
            while (data.endsWith(u'\\') && i + 1 < lines.size()) {
                data.chop(1);
                data += withoutCr(lines[++i]).trimmed();
            }
        }
        if (const auto value = parseData(data))
            (*keys_)[*currentKey].insert(fold(name), Value{value->type, value->data});
    }
    return *keys_;
}

std::optional<QByteArray> WineRegistry::readValue(const QString &path, const QString &name) const
{
    const auto key = keys().constFind(fold(path));
    if (key == keys().cend())
        return std::nullopt;
    const auto value = key->constFind(fold(name));
    if (value == key->cend())
        return std::nullopt;
    if (value->type != RegSz && value->type != RegExpandSz && value->type != RegMultiSz)
        return value->data;
    // The ANSI call converts the stored UTF-16 text, terminators included.
    QString text(value->data.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(uchar(value->data[2 * i]) | uchar(value->data[2 * i + 1]) << 8));
    return cp932::encode(text);
}

QString WineRegistry::readString(const QString &path, const QString &name) const
{
    const auto bytes = readValue(path, name);
    if (!bytes || bytes->size() > AnsiBufferSize)
        return {};
    const qsizetype zero = bytes->indexOf('\0');
    return cp932::decode(QByteArrayView(*bytes).first(zero < 0 ? bytes->size() : zero));
}
