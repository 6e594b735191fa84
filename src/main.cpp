// Horonami: starts the main window after its start-up sequence.
#include "core/app/CommandLine.h"
#include "core/app/ProgramState.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Services.h"
#include "gui/pictograph/PictographFont.h"
#include "core/platform/ProgramFolder.h"
#include "gui/platform/DeferredIconStyle.h"
#include "gui/platform/QtDesktop.h"
#include "gui/platform/QtDialogs.h"
#ifdef Q_OS_WIN
#include "core/platform/WindowsRegistry.h"
#else
#include "core/platform/WinePaths.h"
#include "core/platform/WineRegistry.h"

#include <QDBusConnection>
#include <fontconfig/fontconfig.h>
#endif

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <thread>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// fontconfig reads its configuration and the font caches, some
// milliseconds, when the first font is looked up. Reading them on another
// core while the program connects to the display takes that wait off the
// way to the window. The thread is joined when it is dropped.
std::jthread readFontConfiguration()
{
#ifdef Q_OS_WIN
    return {};
#else
    return std::jthread([] { FcInit(); });
#endif
}

// The first control that gets its text starts Qt's accessibility bridge,
// which connects to the session bus and waits for it: some milliseconds, and
// more where there is no bus and D-Bus tries to start one. Connecting on
// another core while the window is built takes that wait off the way to the
// window; the bridge then finds the connection made (or given up).
std::jthread connectSessionBus()
{
#ifdef Q_OS_WIN
    return {};
#else
    return std::jthread([] { QDBusConnection::sessionBus(); });
#endif
}

// Every text of the program is Japanese, so the standard buttons of message
// boxes and the headings of the command-line help are too, whatever the
// system's language.
void loadJapaneseQtTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(u"qtbase_ja"_qs, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

// Reads the command line without reaching the window system, so that
// --help and --version work without a display.
CommandLine readArguments(int &argc, char **argv)
{
    QCoreApplication app(argc, argv);
    loadJapaneseQtTranslations(app);
    return readCommandLine(QCoreApplication::arguments());
}

// The pictures of the program's icon built in, each read as the PNG it is:
// naming the format keeps Qt from loading every image plugin to find out.
QIcon builtInIcon()
{
    QIcon icon;
    const QDir sizes(u":/icons"_qs);
    for (const QString &size : sizes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QImageReader picture(sizes.filePath(size + QStringLiteral("/" HORONAMI_APP_ID ".png")), "png");
        picture.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(picture.read()));
    }
    return icon;
}

// The desktop's name of the program (the Wayland app_id, matching the
// desktop entry), and its icon once the window shows: the icon theme's, else
// the one built in. Looking through the theme's folders takes longer than
// the rest of the start.
void setIdentity()
{
    QGuiApplication::setDesktopFileName(QStringLiteral(HORONAMI_APP_ID));
    QTimer::singleShot(0, [] {
        QIcon icon = QIcon::fromTheme(QStringLiteral(HORONAMI_APP_ID));
        QApplication::setWindowIcon(icon.isNull() ? builtInIcon() : icon);
    });
}

// Reading the program's files and building the window leave freed buffers
// inside the heap; their pages go back once the work left for after the
// window shows is done.
void releaseStartupBuffers()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

int main(int argc, char **argv)
{
    const CommandLine command = readArguments(argc, argv);
    switch (command.action) {
    case CommandLine::Action::Print:
        std::printf("%s", qPrintable(command.text));
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "%s", qPrintable(command.text));
        return 2;
    case CommandLine::Action::Start:
        break;
    }

    std::jthread fontConfiguration = readFontConfiguration();
    QApplication app(argc, argv);
    if (fontConfiguration.joinable())
        fontConfiguration.join();
    std::jthread sessionBus = connectSessionBus();
    QApplication::setStyle(new DeferredIconStyle);
    QApplication::setApplicationName(u"Horonami"_qs);
    setIdentity();
    QApplication::setQuitOnLastWindowClosed(false);
    loadJapaneseQtTranslations(app);
    // Menus, tool tips and message boxes draw pictographs too.
    QApplication::setFont(pictographfont::withFallback(QApplication::font()));

#ifdef Q_OS_WIN
    WindowsRegistry registry;
    WindowsPaths hostPaths;
#else
    // Becky runs under Wine: its registry and drives are the prefix's.
    const QString prefix = WineRegistry::prefixFromEnvironment();
    WineRegistry registry(prefix);
    WinePaths hostPaths(prefix);
#endif
    QtDialogs dialogs;
    QtClipboard clipboard;
    const ProgramPlaces places = currentProgramPlaces();
    Services services{dialogs, clipboard, registry, hostPaths, places.folder,
                      command.file, places.readme};

    ProgramState state;
    MainWindow window(services, state);
    if (sessionBus.joinable())
        sessionBus.join();
    dialogs.setParent(&window);
    QObject::connect(&window, &MainWindow::programEnded, &app, [] { QCoreApplication::exit(0); });
    if (!window.startup())
        return 0;
    window.show();
    QTimer::singleShot(0, &releaseStartupBuffers);
    return QApplication::exec();
}
