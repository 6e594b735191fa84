#include "gui/app/MainWindow.h"

#include "core/addressbook/AddressBookFile.h"
#include "gui/addressbook/AddressBookWindow.h"
#include "gui/app/AddressBookOpeners.h"
#include "gui/app/AddressList.h"
#include "gui/app/EmojiCommands.h"
#include "gui/app/BeckySetup.h"
#include "gui/app/CodeMenu.h"
#include "core/app/ProgramState.h"
#include "gui/app/HelpCommands.h"
#include "gui/app/RegistrationOpener.h"
#include "gui/app/Startup.h"
#include "gui/app/WindowLayout.h"
#include "gui/app/WindowCommands.h"
#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeCommands.h"
#include "gui/compose/ComposeContext.h"
#include "gui/handoff/HandoffCommands.h"
#include "gui/handoff/HandoffContext.h"
#include "gui/handoff/SendCommand.h"
#include "gui/pictograph/PictographFont.h"
#include "gui/pictograph/RegistrationWindow.h"
#include "core/platform/Dialogs.h"
#include "core/platform/ProgramFolder.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

double screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

// The families of `wanted` installed here, in order; all of them when none
// is. Each name Qt cannot find costs a fontconfig alias look-up, about a
// millisecond, every time a font naming it is resolved.
QStringList installedFamilies(const QStringList &wanted)
{
    const QStringList installed = QFontDatabase::families();
    QStringList found;
    for (const QString &family : wanted) {
        if (installed.contains(family, Qt::CaseInsensitive))
            found.append(family);
    }
    return found.isEmpty() ? wanted : found;
}

QFont japaneseFont(const QStringList &families, int points)
{
    QFont font;
    font.setFamilies(installedFamilies(families));
    font.setPointSize(points);
    // The default (light) hinting runs FreeType's auto-hinter, which for a
    // CJK font first measures dozens of sample ideographs spread over the
    // whole file: some 1.5 MB of IPA Gothic read at start-up. The fonts' own
    // hinting draws them without that.
    font.setHintingPreference(QFont::PreferFullHinting);
    return pictographfont::withFallback(font);
}

} // namespace

MainWindow::MainWindow(Services &services, ProgramState &state, QWidget *parent)
    : QMainWindow(parent), services_(services), twips_(screenDpi()), state_(state), folderLock_(services.programFolder)
{
    setObjectName(u"Form1"_qs);
    setWindowTitle(u"Horonami"_qs);
    client_ = new QWidget(this);
    client_->setObjectName(u"client"_qs);
    setCentralWidget(client_);
    createControls(controls_, client_, twips_);
    createMenus(controls_, menuBar());
    compose_ = std::make_unique<ComposeContext>(ComposeContext{composeControls(controls_), state_.mail, state_.phones,
                                                               state_.command, services_.dialogs,
                                                               services_.clipboard, twips_, *this});
    handoff_ = std::make_unique<HandoffContext>(
        HandoffContext{handoffControls(controls_), *compose_, state_.accounts, state_.sending, state_.counts,
                       services_.dialogs, services_.clipboard, services_.hostPaths, services_.programFolder, *this});
    applyFonts();
    client_->installEventFilter(this);
    const int menuHeight = menuBar()->sizeHint().height();
    resize(twips_.toPixels(7950), twips_.toPixels(6990) + menuHeight);
    connectHandlers();
}

MainWindow::~MainWindow() = default;

Dialogs &MainWindow::dialogs() { return services_.dialogs; }

QString MainWindow::programFile(const QString &name) const
{
    return ::programFile(services_.programFolder, name);
}

void MainWindow::applyFonts()
{
    // The Windows fonts first; Debian's IPA fonts stand in for them.
    setFont(japaneseFont({u"ＭＳ ゴシック"_qs, u"MS Gothic"_qs, u"IPAGothic"_qs, u"IPAゴシック"_qs}, 9));
    controls_.bodyField->setFont(
        japaneseFont({u"ＭＳ 明朝"_qs, u"MS Mincho"_qs, u"IPAMincho"_qs, u"IPA明朝"_qs}, 12));
    // The preview box must draw every full-width character 180 twips wide.
    controls_.previewBox->setFont(japaneseFont({u"ＭＳ ゴシック"_qs, u"MS Gothic"_qs, u"IPAGothic"_qs}, 9));
}

void MainWindow::connectHandlers()
{
    connectWindowCommands(*this);
    connectAddressField(*this);
    connectHelpCommands(*this);
    connectPictographCommands(*this);
    connectComposeCommands(*compose_, this);
    connectHandoffCommands(*handoff_, this);
    connectPictographEntry(*this, controls_.pictographEntries[0], 0);
    connectRegistrationWindow(*this);
    connectAddressBook(*this);
    connectEmojiCommands(*this);
}

bool MainWindow::startup() { return runStartup(*this); }

bool MainWindow::claimProgramFolder()
{
    if (folderLock_.claim())
        return true;
    dialogs().inform(FolderLock::heldMessage(services_.programFolder), Dialogs::defaultTitle(),
                     Dialogs::Icon::Exclamation);
    return false;
}

QSize MainWindow::clientSizeTwips() const
{
    return {twips_.toTwips(client_->width()), twips_.toTwips(client_->height())};
}

QSize MainWindow::windowSizeTwips() const
{
    // Report the size last asked for while the window still has it.
    if (sizeTwips_.isValid() && size() == QSize(twips_.toPixels(sizeTwips_.width()), twips_.toPixels(sizeTwips_.height())))
        return sizeTwips_;
    return {twips_.toTwips(width()), twips_.toTwips(height())};
}

void MainWindow::setWindowSizeTwips(int width, int height)
{
    sizeTwips_ = QSize(std::max(width, 0), std::max(height, 0));
    resize(twips_.toPixels(sizeTwips_.width()), twips_.toPixels(sizeTwips_.height()));
}

void MainWindow::layoutControls() { layoutMainWindow(*this); }

void MainWindow::layOut() { layoutControls(); }

void MainWindow::send() { sendCommand(*handoff_, SendTarget::Outbox); }

void MainWindow::insertPictograph(int slot) { ::insertPictograph(*this, slot); }

void MainWindow::substituteKeywords() { ::substituteKeywords(*this); }

void MainWindow::rediscoverBecky() { runBeckyDiscovery(*this); }

void MainWindow::closeProgram()
{
    if (close())
        endProgram();
}

bool MainWindow::registerRecipient(const QString &address)
{
    return addressbook::appendAddress(programFile(programfiles::addressBook), address);
}

bool MainWindow::offerSendableText(bool withSignature)
{
    return ::offerSendableText(*this, withSignature);
}

void MainWindow::endProgram()
{
    ended_ = true;
    close();
    emit programEnded();
}

QAction *MainWindow::addPictographEntry(const QString &caption)
{
    QAction *action = ::addPictographEntry(controls_, caption);
    connectPictographEntry(*this, action, static_cast<int>(controls_.pictographEntries.size()) - 1);
    return action;
}

bool MainWindow::maybeSaveChildWindows()
{
    if (AddressBookWindow *book = openAddressBook(*this); book && !book->maybeSave())
        return false;
    if (RegistrationWindow *codes = shownRegistrationWindow(*this); codes && !codes->maybeSave())
        return false;
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (ended_) {
        event->accept();
        return;
    }
    if (!maybeSaveChildWindows() || !runCloseSequence(*this)) {
        event->ignore();
        return;
    }
    event->accept();
    ended_ = true;
    emit programEnded();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client_ && event->type() == QEvent::Resize)
        layoutControls();
    return QMainWindow::eventFilter(watched, event);
}
