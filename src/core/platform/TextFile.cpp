#include "core/platform/TextFile.h"

#include "core/platform/Cp932.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textfile {

QString read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return cp932::decode(file.readAll());
}

QString decodeAnyText(const QByteArray &bytes)
{
    // Stateless: a sequence cut off at the end is an error, not a wait for
    // more bytes.
    constexpr auto flags = QStringConverter::Flag::Stateless;
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes))
        return QStringDecoder(*marked, flags).decode(bytes);
    QStringDecoder utf8(QStringConverter::Utf8, flags);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? cp932::decode(bytes) : text;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) { lines.append(line.toString()); });
    return lines;
}

QStringList readLines(const QString &path) { return splitLines(read(path)); }

QString joinLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

bool writeAtomically(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = cp932::encode(text);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

namespace {

// Takes an exclusive lock on the whole file for the append. Locks on the
// open file description conflict with the record locks other programs
// (Wine among them) take, and also keep out a second append of this process.
// The lock is tried without blocking, every millisecond or so, so that a
// lock another program keeps is given up on after a while instead of
// freezing the caller; `whileWaiting` runs between the tries.
bool lockWhole(int fd, const std::function<void()> &whileWaiting)
{
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        if (::fcntl(fd, F_OFD_SETLK, &whole) == 0)
            return true;
        if (errno != EACCES && errno != EAGAIN && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        if (whileWaiting)
            whileWaiting();
        // Short steps: a writer that appends again and again leaves the lock
        // free only for moments.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Whether the file, `size` bytes long, ends with exactly `bytes`.
bool endsWith(int fd, off_t size, const QByteArray &bytes)
{
    if (size < bytes.size())
        return false;
    QByteArray tail(bytes.size(), Qt::Uninitialized);
    const ssize_t got = ::pread(fd, tail.data(), static_cast<size_t>(tail.size()), size - bytes.size());
    return got == tail.size() && tail == bytes;
}

// Takes back the `written` bytes of a failed append, but only while the file
// still ends with them: whatever another writer added after them stays, and
// nothing before them is ever cut.
void takeBack(int fd, const QByteArray &written)
{
    struct stat now {};
    if (written.isEmpty() || ::fstat(fd, &now) != 0 || !endsWith(fd, now.st_size, written))
        return;
    // A failed cut leaves the partial record: the append is reported as
    // failed either way.
    [[maybe_unused]] const int cut = ::ftruncate(fd, now.st_size - written.size());
}

} // namespace

bool appendAll(const QString &path, const QByteArray &bytes, const std::function<void()> &whileWaiting)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat file {};
    if (::fstat(fd, &file) != 0 || !S_ISREG(file.st_mode) || !lockWhole(fd, whileWaiting)) {
        ::close(fd);
        return false;
    }
    ssize_t written = 0;
    do {
        written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
    } while (written < 0 && errno == EINTR);
    // A record that did not reach the disk whole is taken back, so a reader
    // never sees half of it and a retry does not duplicate it.
    const bool ok = written == bytes.size() && ::fsync(fd) == 0;
    if (!ok && written > 0)
        takeBack(fd, bytes.first(written));
    ::close(fd); // also releases the lock
    return ok;
}

} // namespace textfile
