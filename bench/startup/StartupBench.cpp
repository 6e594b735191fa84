// Start-up and memory of the whole program against a bare Qt window, each a
// process of its own on the X server of $DISPLAY:
//   startup ratio: from the process's start to its main window being mapped
//   memory ratio:  resident memory once the window is shown and painted
// Horonami runs as a portable copy in a temporary program folder that holds
// a heavy user's files (see SampleProgramFolder).
//
//   xvfb-run -a horonami_startup_bench
#include "SampleProgramFolder.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <tuple>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 11;

struct Launch {
    double secondsToShown = -1;
    long residentKiB = -1;
    /// The part of the resident memory that is the process's own (heap,
    /// stacks), not pages of the libraries and fonts it maps.
    long anonymousKiB = -1;
};

std::string windowName(Display *display, Window window)
{
    XTextProperty property;
    std::string name;
    if (XGetWMName(display, window, &property) && property.value) {
        name.assign(reinterpret_cast<const char *>(property.value), property.nitems);
        XFree(property.value);
    }
    return name;
}

// Waits for a top-level window named `title` to be mapped; false after 30 s.
bool waitForMapped(Display *display, const std::string &title)
{
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    const int fd = ConnectionNumber(display);
    while (Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowName(display, event.xmap.window) == title)
                return true;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 100000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    return false;
}

// A "Name:   1234 kB" field of /proc/PID/status.
long statusKiB(pid_t pid, const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').first().toLong();
    }
    return -1;
}

Launch launch(Display *display, const char *program, const std::string &title)
{
    Launch result;
    XSync(display, False);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    if (waitForMapped(display, title)) {
        result.secondsToShown = std::chrono::duration<double>(Clock::now() - start).count();
        // Let the window paint and the process settle before weighing it.
        usleep(500000);
        result.residentKiB = statusKiB(pid, "VmRSS");
        result.anonymousKiB = statusKiB(pid, "RssAnon");
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return result;
}

} // namespace

int main()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X server: run under xvfb-run -a\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    // A portable copy: the program keeps its files beside the executable.
    QTemporaryDir folder;
    const QString copy = folder.path() + QStringLiteral("/horonami");
    if (!QFile::copy(QStringLiteral(HORONAMI_EXECUTABLE), copy))
        return 1;
    writeSampleProgramFolder(folder.path());
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("WINEPREFIX", qPrintable(folder.path() + QStringLiteral("/no-wine")), 1);

    Launch program{1e9, 1L << 40, 1L << 40};
    Launch floor{1e9, 1L << 40, 1L << 40};
    const QByteArray copyPath = copy.toLocal8Bit();
    for (int round = 0; round < kRounds; ++round) {
        // Each side keeps its best round: the machine's other work only
        // ever slows a start down or swells it.
        for (auto [side, path, title] : {std::tuple{&floor, HORONAMI_BARE_WINDOW, std::string("floor")},
                                         std::tuple{&program, copyPath.constData(), std::string("Horonami")}}) {
            const Launch l = launch(display, path, title);
            if (l.secondsToShown < 0 || l.residentKiB < 0) {
                std::fprintf(stderr, "%s did not show its window\n", path);
                return 1;
            }
            side->secondsToShown = std::min(side->secondsToShown, l.secondsToShown);
            side->residentKiB = std::min(side->residentKiB, l.residentKiB);
            side->anonymousKiB = std::min(side->anonymousKiB, l.anonymousKiB);
        }
    }
    std::printf("startup: %.0f ms against %.0f ms\n", program.secondsToShown * 1000, floor.secondsToShown * 1000);
    std::printf("memory: %ld KiB against %ld KiB (own: %ld KiB against %ld KiB)\n", program.residentKiB,
                floor.residentKiB, program.anonymousKiB, floor.anonymousKiB);
    std::printf("startup ratio: %.2f\n", program.secondsToShown / floor.secondsToShown);
    std::printf("memory ratio: %.2f\n",
                static_cast<double>(program.residentKiB) / static_cast<double>(floor.residentKiB));
    XCloseDisplay(display);
    return 0;
}
