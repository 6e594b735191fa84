// Listing a log of 100,000 records in the draft and log list, against
// reading and decoding the same file with the code page 932 seam; and
// reading a 64 MB mailbox without CR LF against 64 MB of ordinary records.
#include "BenchWindow.h"
#include "Ratio.h"

#include "support/SampleMailbox.h"

#include "core/handoff/Mailbox.h"
#include "core/handoff/MailboxReader.h"
#include "core/platform/Cp932.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QListView>

namespace {

constexpr int kRecords = 100000;

// The sample log, made once for every run of both sides.
const QByteArray &sampleLogBytes()
{
    static const QByteArray bytes = sampleLog(kRecords);
    return bytes;
}

// Writes the sample log into the window's program folder; returns its path.
QString writeLog(BenchWindow &b)
{
    const QString path = mailbox::logPath(b.programFolder());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(sampleLogBytes()) < 0)
        qFatal("cannot write the sample log");
    return path;
}

// Lists the log as its menu entry does, and lets the list lay itself out
// and paint.
void listLog(BenchWindow &b)
{
    b.ui().listLogEntry->trigger();
    QCoreApplication::processEvents();
}

QString readAndDecode(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the sample log");
    return cp932::decode(file.readAll());
}

// Each side does its work before it is timed (ratio::measure): the first
// listing of a window also lays out the list and loads its font.
void logListing(benchmark::State &state)
{
    BenchWindow b;
    writeLog(b);
    ratio::measure(state, [&] { listLog(b); });
    if (b.ui().mailList->model()->rowCount() != kRecords + 1)
        state.SkipWithError("the log was not listed whole");
}

void logListingFloor(benchmark::State &state)
{
    BenchWindow b;
    const QString path = writeLog(b);
    ratio::measure(state, [&] { benchmark::DoNotOptimize(readAndDecode(path)); });
}

const bool registered = ratio::add("log listing", logListing, logListingFloor);

constexpr qsizetype kMailboxBytes = qsizetype(64) << 20;

// `records` repeated up to 64 MB.
QByteArray mailboxOf(const QByteArray &records)
{
    return records.repeated(kMailboxBytes / records.size() + 1).first(kMailboxBytes);
}

void readMailbox(benchmark::State &state, const QByteArray &bytes)
{
    ratio::measure(state, [&] { benchmark::DoNotOptimize(mailboxreader::readBytes(bytes, MailSource::Log)); });
}

// The sample records with LF line ends, as in a mailbox copied through a
// Unix tool: one line of 64 MB.
void mailboxWithoutLineEnds(benchmark::State &state)
{
    QByteArray records = sampleLog(1000);
    readMailbox(state, mailboxOf(records.replace("\r\n", "\n")));
}

void mailboxWithLineEnds(benchmark::State &state) { readMailbox(state, mailboxOf(sampleLog(1000))); }

const bool registeredMailbox = ratio::add("mailbox without line ends", mailboxWithoutLineEnds, mailboxWithLineEnds);

} // namespace
