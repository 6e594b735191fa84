// Listing a log of 100,000 records in the draft and log list, against
// reading and decoding the same file with the code page 932 seam.
#include "BenchWindow.h"
#include "Ratio.h"

#include "../tests/handoff/SampleMailbox.h"

#include "handoff/Mailbox.h"
#include "platform/Cp932.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QListView>

namespace {

constexpr int kRecords = 100000;

// Writes the sample log into the window's program folder; returns its path.
QString writeLog(BenchWindow &b)
{
    const QString path = mailbox::logPath(b.window().services().programFolder);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(sampleLog(kRecords)) < 0)
        qFatal("cannot write the sample log");
    return path;
}

void logListing(benchmark::State &state)
{
    BenchWindow b;
    writeLog(b);
    for (auto _ : state) {
        b.ui().listLogEntry->trigger();
        QCoreApplication::processEvents();
    }
    if (b.ui().mailList->model()->rowCount() != kRecords + 1)
        state.SkipWithError("the log was not listed whole");
}

void logListingFloor(benchmark::State &state)
{
    BenchWindow b;
    const QString path = writeLog(b);
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot read the sample log");
        benchmark::DoNotOptimize(cp932::decode(file.readAll()));
    }
}

const bool registered = ratio::add("log listing", logListing, logListingFloor);

} // namespace
