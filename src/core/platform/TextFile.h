#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

/// Text files of the program: Shift-JIS (code page 932) with CR LF line ends.
namespace textfile {

/// Reads a whole file and decodes it; a missing or unreadable file gives
/// nothing (check existence first where that matters).
QString read(const QString &path);

/// Decodes a text file from outside the program, whose encoding nobody
/// states: a byte order mark names UTF-8, UTF-16 or UTF-32; without one,
/// bytes that are valid UTF-8 are UTF-8 (pure ASCII reads the same either
/// way), and anything else is code page 932, where a byte of 0x80 or more
/// almost never forms valid UTF-8.
QString decodeAnyText(const QByteArray &bytes);

/// Calls `visit` with each line of `text` as a view, without copying it:
/// lines end at CR LF, a lone CR or a lone LF; a final line end does not
/// start another (empty) line.
template <typename Visit>
void forEachLine(QStringView text, Visit visit)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        visit(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        visit(text.sliced(start));
}

/// The lines of `text` (as forEachLine splits them).
QStringList splitLines(const QString &text);

/// Reads a file as lines (read + splitLines).
QStringList readLines(const QString &path);

/// Joins lines, each followed by CR LF.
QString joinLines(const QStringList &lines);

/// Replaces the file with the encoded text through a temporary file that
/// is renamed into place, so a failure leaves the previous file intact.
/// Returns false when nothing was written.
bool writeAtomically(const QString &path, const QString &text);

/// How long an append waits at most for another process's lock on its file.
inline constexpr std::chrono::milliseconds kLockWait{3000};

/// Appends the encoded text with one write, holding an exclusive lock on the
/// file meanwhile. While another process holds a lock on the file, tries
/// again every millisecond or so for at most kLockWait, calling
/// `whileWaiting` (when given) between the tries, and then gives up without
/// writing. A failed or short write is cut back while the file still ends
/// with exactly the bytes it wrote, so the file keeps its previous bytes and
/// whatever other writers appended. Creates the file when missing. Returns
/// false on any failure, a lock held too long included.
bool appendAll(const QString &path, const QByteArray &bytes, const std::function<void()> &whileWaiting = {});

} // namespace textfile
