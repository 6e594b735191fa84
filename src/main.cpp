// Horonami: starts the main window after its start-up sequence.
#include "app/MainWindow.h"
#include "app/Services.h"
#include "pictograph/PictographFont.h"
#include "platform/ProgramFolder.h"
#include "platform/QtDesktop.h"
#include "platform/QtDialogs.h"
#ifdef Q_OS_WIN
#include "platform/WindowsRegistry.h"
#else
#include "platform/WinePaths.h"
#include "platform/WineRegistry.h"
#endif

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Every text of the program is Japanese, so the standard buttons of message
// boxes are too, whatever the system's language.
void loadJapaneseQtTranslations(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(u"qtbase_ja"_qs, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

// The whole command line after the program name is one path.
QString commandLineFile(const QStringList &arguments)
{
    return arguments.mid(1).join(u' ');
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Horonami"_qs);
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
    QtShell shell;
    const ProgramPlaces places = currentProgramPlaces();
    Services services{dialogs, clipboard, shell, registry, hostPaths, places.folder,
                      commandLineFile(QApplication::arguments()), places.readme};

    MainWindow window(services);
    dialogs.setParent(&window);
    QObject::connect(&window, &MainWindow::programEnded, &app, [] { QCoreApplication::exit(0); });
    if (!window.startup())
        return 0;
    releaseStartupBuffers();
    window.show();
    return QApplication::exec();
}
