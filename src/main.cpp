// Horonami: starts the main window after its start-up sequence.
#include "core/app/CommandLine.h"
#include "core/app/ProgramState.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Services.h"
#include "gui/pictograph/PictographFont.h"
#include "core/platform/ProgramFolder.h"
#include "gui/platform/QtDesktop.h"
#include "gui/platform/QtDialogs.h"
#ifdef Q_OS_WIN
#include "core/platform/WindowsRegistry.h"
#else
#include "core/platform/WinePaths.h"
#include "core/platform/WineRegistry.h"
#endif

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

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

// The desktop's name of the program (the Wayland app_id, matching the
// desktop entry), and its icon once the window shows: the icon theme's, else
// the one built in. Looking through the theme's folders and reading the
// built-in pictures (which loads Qt's image plugins) take longer than the
// rest of the start.
void setIdentity()
{
    QGuiApplication::setDesktopFileName(QStringLiteral(HORONAMI_APP_ID));
    QTimer::singleShot(0, [] {
        QIcon builtIn;
        QDirIterator sizes(u":/icons"_qs, {u"*.png"_qs}, QDir::Files, QDirIterator::Subdirectories);
        while (sizes.hasNext())
            builtIn.addFile(sizes.next());
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(HORONAMI_APP_ID), builtIn));
    });
}

// Reading the address book and the other files at start-up leaves freed
// buffers of some megabytes inside the heap; give their pages back.
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

    QApplication app(argc, argv);
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
    dialogs.setParent(&window);
    QObject::connect(&window, &MainWindow::programEnded, &app, [] { QCoreApplication::exit(0); });
    if (!window.startup())
        return 0;
    releaseStartupBuffers();
    window.show();
    return QApplication::exec();
}
