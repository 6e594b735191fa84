// Start-up and memory of the whole program against a bare Qt window, each a
// process of its own on the X server of $DISPLAY:
//   startup ratio: from the process's start to its main window being mapped,
//                  the fastest start of each side (the machine's other work
//                  only ever slows a start, and over a minute of rounds its
//                  load changes more than a round's pairing can cancel); the
//                  median over rounds of the program's time against the
//                  floor's in the same round is shown beside it (the two
//                  start back to back, each first in every other round, so
//                  neither gains from the order)
//   memory ratio:  resident memory once the window is shown and painted, the
//                  least of each side
// Horonami runs as a portable copy in a temporary program folder that holds
// a heavy user's files (see SampleProgramFolder). The bare window opens at
// the size Horonami's window has, so that both draw the same number of
// pixels: the drawing buffer grows with the window.
//
//   xvfb-run -a horonami_startup_bench
#include "SampleProgramFolder.h"

#include "core/platform/ProgramFolder.h"

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
#include <utility>
#include <vector>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRounds = 41;

struct Launch {
    double secondsToShown = -1;
    long residentKiB = -1;
    /// The part of the resident memory that is the process's own (heap,
    /// stacks), not pages of the libraries and fonts it maps.
    long anonymousKiB = -1;
    /// The mapped window's size in pixels.
    int width = 0;
    int height = 0;
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

// Waits for a top-level window named `title` to be mapped and notes its
// size; false after 30 s.
bool waitForMapped(Display *display, const std::string &title, Launch &launch)
{
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    const int fd = ConnectionNumber(display);
    while (Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowName(display, event.xmap.window) == title) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display, event.xmap.window, &attributes)) {
                    launch.width = attributes.width;
                    launch.height = attributes.height;
                }
                return true;
            }
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

Launch launch(Display *display, const char *program, const std::string &title, const std::string &argument = {})
{
    Launch result;
    XSync(display, False);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (argument.empty())
            execl(program, program, static_cast<char *>(nullptr));
        else
            execl(program, program, argument.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    if (waitForMapped(display, title, result)) {
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

// Starts the program and then clears the folder lock the killed copy leaves:
// each start is an ordinary one, not one that takes over a crashed copy's
// lock.
Launch launchProgram(Display *display, const QByteArray &program, const QString &folder)
{
    const Launch result = launch(display, program.constData(), "Horonami");
    QFile::remove(programFile(folder, programfiles::lock));
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
    std::vector<double> startupRatios;
    const QByteArray copyPath = copy.toLocal8Bit();
    const Launch first = launchProgram(display, copyPath, folder.path());
    if (first.width <= 0) {
        std::fprintf(stderr, "%s did not show its window\n", copyPath.constData());
        return 1;
    }
    const std::string size = std::to_string(first.width) + 'x' + std::to_string(first.height);
    for (int round = 0; round < kRounds; ++round) {
        const bool floorFirst = round % 2 == 0;
        Launch f;
        if (floorFirst)
            f = launch(display, HORONAMI_BARE_WINDOW, "floor", size);
        const Launch p = launchProgram(display, copyPath, folder.path());
        if (!floorFirst)
            f = launch(display, HORONAMI_BARE_WINDOW, "floor", size);
        for (const auto &[l, path] : {std::pair{f, HORONAMI_BARE_WINDOW}, std::pair{p, copyPath.constData()}}) {
            if (l.secondsToShown < 0 || l.residentKiB < 0) {
                std::fprintf(stderr, "%s did not show its window\n", path);
                return 1;
            }
        }
        startupRatios.push_back(p.secondsToShown / f.secondsToShown);
        // Memory keeps each side's least: the machine's other work only
        // ever swells a process.
        for (auto [side, l] : {std::pair{&floor, f}, std::pair{&program, p}}) {
            side->secondsToShown = std::min(side->secondsToShown, l.secondsToShown);
            side->residentKiB = std::min(side->residentKiB, l.residentKiB);
            side->anonymousKiB = std::min(side->anonymousKiB, l.anonymousKiB);
        }
    }
    std::nth_element(startupRatios.begin(), startupRatios.begin() + kRounds / 2, startupRatios.end());
    std::printf("window: %s pixels\n", size.c_str());
    std::printf("startup: %.1f ms against %.1f ms (the fastest of each)\n", program.secondsToShown * 1000,
                floor.secondsToShown * 1000);
    std::printf("memory: %ld KiB against %ld KiB (own: %ld KiB against %ld KiB)\n", program.residentKiB,
                floor.residentKiB, program.anonymousKiB, floor.anonymousKiB);
    std::printf("startup, median of the rounds' ratios: %.2f\n", startupRatios[kRounds / 2]);
    std::printf("startup ratio: %.2f\n", program.secondsToShown / floor.secondsToShown);
    std::printf("memory ratio: %.2f\n",
                static_cast<double>(program.residentKiB) / static_cast<double>(floor.residentKiB));
    XCloseDisplay(display);
    return 0;
}
