#include "gui/app/MainWindow.h"

#include "core/app/PresetFile.h"
#include "core/app/ProgramState.h"
#include "core/app/SettingsFile.h"
#include "core/platform/ControlCharacters.h"
#include "core/platform/Dialogs.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/TextFile.h"
#include "gui/addressbook/AddressBookWindow.h"
#include "gui/app/AddressBookOpener.h"
#include "gui/app/BeckySetup.h"
#include "gui/app/CodeMenuCommands.h"
#include "gui/app/HelpCommands.h"
#include "gui/app/Services.h"
#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeCommands.h"
#include "gui/compose/ComposeContext.h"
#include "gui/compose/PhoneScreen.h"
#include "gui/compose/PreviewCommands.h"
#include "gui/compose/PreviewMirror.h"
#include "gui/handoff/AddressField.h"
#include "gui/handoff/HandoffCommands.h"
#include "gui/handoff/HandoffContext.h"
#include "gui/handoff/SendCommand.h"
#include "gui/handoff/SendingChoices.h"
#include "gui/pictograph/PictographFont.h"
#include "gui/pictograph/RegistrationWindow.h"
#include "gui/platform/Visibility.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedLayout>
#include <QToolButton>

namespace {

constexpr qint64 kLargestTextFile = 64000;

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
    return font;
}

// Shows the warning line in place of the status labels while it shows.
class WarningTakesThePlace : public QObject {
public:
    WarningTakesThePlace(QStackedLayout *layout, QWidget *labels, QWidget *warning)
        : QObject(warning), layout_(layout), labels_(labels), warning_(warning)
    {
        warning->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent)
            layout_->setCurrentWidget(warning_);
        else if (event->type() == QEvent::HideToParent && layout_->currentWidget() == warning_)
            layout_->setCurrentWidget(labels_);
        return false;
    }

private:
    QStackedLayout *layout_;
    QWidget *labels_;
    QWidget *warning_;
};

} // namespace

MainWindow::MainWindow(Services &services, ProgramState &state, QWidget *parent)
    : QMainWindow(parent), services_(services), state_(state), twips_(screenDpi()),
      folderLock_(services.programFolder)
{
    setObjectName(u"Form1"_qs);
    setWindowTitle(u"Horonami"_qs);
    // The Windows font first; Debian's IPA font stands in for it. The
    // controls are measured in it.
    setFont(japaneseFont({u"ＭＳ ゴシック"_qs, u"MS Gothic"_qs, u"IPAGothic"_qs, u"IPAゴシック"_qs}, 9));
    client_ = new QWidget(this);
    client_->setObjectName(u"client"_qs);
    setCentralWidget(client_);
    compose_ = ComposeControls::create(client_);
    handoff_ = HandoffControls::create(client_);
    controls_ = MainControls::create(client_, menuBar(), compose_, handoff_);
    composeContext_ = std::make_unique<ComposeContext>(ComposeContext{compose_, state_.mail, state_.phones,
                                                                      state_.command, services_.dialogs,
                                                                      services_.clipboard, *this});
    handoffContext_ = std::make_unique<HandoffContext>(
        HandoffContext{handoff_, *composeContext_, state_.accounts, state_.sending, state_.counts, services_.dialogs,
                       services_.clipboard, services_.hostPaths, services_.programFolder, *this});
    becky_ = std::make_unique<BeckySetup>(BeckySetup::Context{services_.dialogs, services_.registry,
                                                              services_.hostPaths, services_.programFolder,
                                                              state_.accounts, state_.mail});
    applyFonts();
    createLayout();
    connectCommands();
    const int menuHeight = menuBar()->sizeHint().height();
    resize(twips_.toPixels(7950), twips_.toPixels(6990) + menuHeight);
}

MainWindow::~MainWindow() = default;

QString MainWindow::programFile(const QString &name) const { return ::programFile(services_.programFolder, name); }

void MainWindow::createLayout()
{
    // The tool bar: the command buttons, the i-mode setting above the limit
    // panel's header, the account list at the right.
    auto *tools = new QHBoxLayout(controls_.toolBar);
    for (QWidget *button : {static_cast<QWidget *>(handoff_.sendButton), static_cast<QWidget *>(compose_.countButton)})
        tools->addWidget(button);
    tools->addSpacing(fontMetrics().averageCharWidth() * 2);
    for (QWidget *button : {compose_.previewButton, handoff_.signatureButton, compose_.verticalModeButton,
                            controls_.beckyAddressBookButton})
        tools->addWidget(button);
    auto *switches = new QVBoxLayout;
    switches->addWidget(compose_.imodeSetting);
    switches->addWidget(compose_.limitPanel, 0, Qt::AlignLeft);
    tools->addLayout(switches);
    tools->addStretch();
    tools->addWidget(handoff_.accountList, 0, Qt::AlignTop);

    // The recipient and the subject beside their captions, the body and the
    // draft and log list below them; the preview panel to their right.
    auto *fields = new QGridLayout;
    fields->addWidget(controls_.addressBookButton, 0, 0);
    fields->addWidget(handoff_.toField, 0, 1);
    fields->addWidget(compose_.subjectCaption, 1, 0);
    fields->addWidget(compose_.subjectField, 1, 1);
    auto *texts = new QVBoxLayout;
    texts->addLayout(fields);
    // The list, while it shows, takes a third of the room it shares with
    // the body.
    texts->addWidget(compose_.bodyField, 2);
    texts->addWidget(handoff_.mailList, 1);
    auto *middle = new QHBoxLayout;
    const int margin = fontMetrics().averageCharWidth();
    middle->setContentsMargins(margin, 0, margin, 0);
    middle->addLayout(texts, 1);
    middle->addWidget(compose_.previewPanel);

    // The status bar: the limit and signature states at the left, the draft
    // and log counts and the count at the right; the warning line takes
    // their place while it shows.
    auto *labels = new QWidget(controls_.statusBar);
    auto *row = new QHBoxLayout(labels);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2 * fontMetrics().averageCharWidth());
    row->addWidget(compose_.limitStatusLabel);
    row->addWidget(handoff_.signatureStatusLabel);
    row->addStretch();
    row->addWidget(handoff_.mailCountsLabel);
    row->addWidget(compose_.countLabel);
    auto *status = new QStackedLayout(controls_.statusBar);
    status->addWidget(labels);
    status->addWidget(compose_.warningLabel);
    new WarningTakesThePlace(status, labels, compose_.warningLabel);

    auto *column = new QVBoxLayout(client_);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(controls_.toolBar);
    column->addLayout(middle, 1);
    column->addWidget(controls_.statusBar);

    // Tab goes as the eye reads: the tool bar from the left, the fields from
    // the top, the preview panel last. The subsystems made their controls in
    // their own order.
    QList<QWidget *> order{handoff_.sendButton,         compose_.countButton,
                           compose_.previewButton,      handoff_.signatureButton,
                           compose_.verticalModeButton, controls_.beckyAddressBookButton,
                           compose_.imodeSetting,       compose_.limitPanel};
    for (const LimitFlag flag : allLimitFlags) // reached while the panel is open
        order.append(compose_.limitFlags[flag]);
    order << handoff_.accountList << controls_.addressBookButton << handoff_.toField << compose_.subjectField
          << compose_.bodyField << handoff_.mailList << compose_.phoneModelList << compose_.sendImageButton
          << compose_.verticalPreviewSwitch;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    // The open limit panel lies over the fields under its header.
    compose_.limitFlagsPanel->installEventFilter(this);
    client_->installEventFilter(this);
}

// The fields that show the user's text draw pictographs in the built-in font
// before any other. Only they name it: a font with a fallback family makes
// Qt look up the system's fallback fonts for every script it draws in that
// font, which the captions, buttons and menus, all in the window's Japanese
// font, do not need.
void MainWindow::applyFonts()
{
    const QFont text = pictographfont::withFallback(font());
    for (QWidget *field : std::initializer_list<QWidget *>{compose_.subjectField, handoff_.toField, handoff_.mailList})
        field->setFont(text);
    compose_.bodyField->setFont(pictographfont::withFallback(
        japaneseFont({u"ＭＳ 明朝"_qs, u"MS Mincho"_qs, u"IPAMincho"_qs, u"IPA明朝"_qs}, 12)));
    // A full-width character of the preview box's font is one cell of the phone screen.
    compose_.previewBox->setFont(text);
}

void MainWindow::connectCommands()
{
    ComposeContext &c = *composeContext_;
    connectComposeCommands(c, this);
    connectHandoffCommands(*handoffContext_, this);

    // The window and i-mode menus work only while the i-mode setting is on.
    const auto followImode = [this](bool on) {
        controls_.windowMenu->menuAction()->setEnabled(on);
        controls_.imodeMenu->menuAction()->setEnabled(on);
    };
    followImode(state_.mail.imode());
    connect(&state_.mail, &EditedMail::imodeChanged, this, followImode);

    connect(controls_.exitEntry, &QAction::triggered, this, [this] {
        // Exit asks what the close box asks, but writes no settings.
        if (maybeSaveChildWindows() && mayDropEditedBody())
            endProgram();
    });
    for (int i = 0; i < 3; ++i)
        connect(controls_.fontSizeEntries[i], &QAction::triggered, this, [this, i] { setBodyFontSize(i); });
    connect(compose_.limitPanel, &QToolButton::clicked, this, [&c] { toggleLimitPanel(c); });
    connect(controls_.newMailEntry, &QAction::triggered, this, [&c] {
        if (mayReplaceEditedMail(c))
            startNewMail(c);
    });
    connect(controls_.chooseFileEntry, &QAction::triggered, this, [this] {
        if (const std::optional<QString> path = services_.dialogs.chooseTextFile())
            loadTextFile(*path);
    });

    addressBooks_ = new AddressBookOpener({services_.dialogs, services_.hostPaths, services_.programFolder,
                                           state_.mail, state_.accounts, state_.phones},
                                          this);
    HandoffContext &h = *handoffContext_;
    connect(addressBooks_, &AddressBookOpener::addressChosen, this,
            [&h](const QString &address) { addressfield::addRecipient(h, address); });
    connect(addressBooks_, &AddressBookOpener::addressListChanged, this,
            [&h](const QList<addressbook::AddressListItem> &items) { addressfield::replace(h, items); });
    connect(addressBooks_, &AddressBookOpener::entryImported, this, [this, &h](const QString &address) {
        addressfield::add(h, {address, QString()});
        controls_.addressBookButton->setEnabled(true);
    });
    connect(controls_.addressBookButton, &QPushButton::clicked, addressBooks_, &AddressBookOpener::openMine);
    connect(controls_.beckyAddressBookButton, &QPushButton::clicked, addressBooks_, &AddressBookOpener::openBeckys);
    connect(controls_.openEntry, &QAction::triggered, this, [this] {
        if (const std::optional<QString> path = addressBooks_->chooseDroppedFile())
            loadTextFile(*path);
    });

    codeMenu_ = new CodeMenuCommands({services_.dialogs, programFile(programfiles::pictographs), state_.pictographs,
                                      state_.mail, compose_.bodyField, compose_.subjectField,
                                      handoff_.toField->lineEdit(), compose_.countLabel},
                                     controls_, this);
    help_ = new HelpCommands({services_.dialogs, services_.readme, services_.programFolder, *becky_, state_.accounts},
                             controls_.aboutEntry, controls_.readmeEntry, controls_.resetEntry, this);
    connect(help_, &HelpCommands::accountsRefilled, this, &MainWindow::restoreAccountChoice);

    // F10 opens the menu bar, as in other desktop programs.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        menuBar()->setActiveAction(menuBar()->actions().value(0));
    });
}

bool MainWindow::startup()
{
    // A copy already running on the folder: end before any file is read.
    if (!folderLock_.claim()) {
        services_.dialogs.inform(FolderLock::heldMessage(services_.programFolder), Dialogs::defaultTitle(),
                                 Dialogs::Icon::Exclamation);
        return false;
    }
    const auto exists = [this](const QString &name) { return QFile::exists(programFile(name)); };
    if (!QFile::exists(services_.readme))
        controls_.readmeEntry->setEnabled(false);
    if (!services_.commandLine.isEmpty())
        loadTextFile(services_.commandLine);
    if (exists(programfiles::phoneModels))
        state_.phones.append(presetfile::read(programFile(programfiles::phoneModels)));
    state_.phones.setCurrentRow(0);
    if (exists(programfiles::addressBook))
        addressfield::fill(*handoffContext_, programFile(programfiles::addressBook));
    else
        controls_.addressBookButton->setEnabled(false);
    if (exists(programfiles::settings))
        readSettings();
    switch (becky_->findAtStartup()) {
    case BeckySetup::Outcome::EndProgram:
        endProgram();
        return false;
    case BeckySetup::Outcome::NotFound:
        switchBeckyFeaturesOff();
        break;
    case BeckySetup::Outcome::Found:
        break;
    }
    restoreAccountChoice();
    if (exists(programfiles::pictographs))
        codeMenu_->fillPictographMenu();
    return true;
}

// Becky is not there: the Becky features stay off for the rest of the run.
void MainWindow::switchBeckyFeaturesOff()
{
    compose_.imodeSetting->hide();
    compose_.imodeSetting->setEnabled(false);
    compose_.previewPanel->hide();
    handoff_.accountList->hide();
    controls_.beckyAddressBookButton->setEnabled(false);
    controls_.imodeMenu->menuAction()->setEnabled(false);
    compose_.verticalModeButton->setEnabled(false);
    controls_.windowMenu->menuAction()->setEnabled(false);
}

void MainWindow::restoreAccountChoice() { sendingchoices::restoreChoices(*handoffContext_); }

QSize MainWindow::windowSizeTwips() const
{
    // Report the size last asked for while the window still has it.
    if (sizeTwips_.isValid()
        && size() == QSize(twips_.toPixels(sizeTwips_.width()), twips_.toPixels(sizeTwips_.height())))
        return sizeTwips_;
    return {twips_.toTwips(width()), twips_.toTwips(height())};
}

void MainWindow::setWindowSizeTwips(int width, int height)
{
    sizeTwips_ = QSize(std::max(width, 0), std::max(height, 0));
    resize(twips_.toPixels(sizeTwips_.width()), twips_.toPixels(sizeTwips_.height()));
}

// "Horo.ini" goes into the models; the window then takes its stored size,
// body font and preview panel from them.
void MainWindow::readSettings()
{
    // What the file does not say stays as the window has it.
    takeWindowSettings();
    const QRect room = screen()->availableGeometry();
    settingsfile::apply(textfile::readLines(programFile(programfiles::settings)), state_.settings(),
                        {twips_.toTwips(room.width()), twips_.toTwips(room.height())});
    const WindowSettings &window = state_.window;
    setWindowSizeTwips(window.widthTwips, window.heightTwips);
    QFont font = compose_.bodyField->font();
    font.setPointSizeF(window.bodyFontPoints);
    compose_.bodyField->setFont(font);
    compose_.previewPanel->setVisible(window.previewShown);
    refreshPreviewCopy(*composeContext_);
}

// The window's size, body font and preview panel as they are now.
void MainWindow::takeWindowSettings()
{
    WindowSettings &window = state_.window;
    const QSize size = windowSizeTwips();
    window.widthTwips = size.width();
    window.heightTwips = size.height();
    window.bodyFontPoints = compose_.bodyField->font().pointSizeF();
    window.previewShown = isShownInWindow(compose_.previewPanel);
}

void MainWindow::setBodyFontSize(int index)
{
    QFont font = compose_.bodyField->font();
    font.setPointSize(9 + 3 * index);
    compose_.bodyField->setFont(font);
}

void MainWindow::loadTextFile(const QString &path)
{
    Dialogs &dialogs = services_.dialogs;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        dialogs.inform(u"ファイルを読み込めませんでした。"_qs + u"\r\n"_qs + path, u"ごめんなさい"_qs);
        return;
    }
    if (file.size() > kLargestTextFile) {
        dialogs.inform(u"すんまそん64K以上のファイルには、対応してまへんねん"_qs, u"ごめんなさい"_qs);
        return;
    }
    if (const int leftOut = compose_.bodyField->setBodyText(textfile::decodeAnyText(file.readAll())); leftOut > 0)
        dialogs.inform(controlcharacters::leftOutMessage(leftOut));
}

bool MainWindow::maybeSaveChildWindows()
{
    if (AddressBookWindow *book = addressBooks_->openWindow(); book && !book->maybeSave())
        return false;
    if (RegistrationWindow *codes = codeMenu_->registrationWindow(); codes && !codes->maybeSave())
        return false;
    return true;
}

// The question before an edited body is dropped at the end of the program;
// false when the user keeps editing.
bool MainWindow::mayDropEditedBody()
{
    return !state_.mail.bodyModified
           || services_.dialogs.askYesNo(u"編集中の内容は、破棄されてしまいますが終了してもよろしいですか？"_qs,
                                         u"終了確認"_qs);
}

bool MainWindow::runCloseSequence()
{
    if (!mayDropEditedBody())
        return false;
    // The file keeps the program as the user left it, before the i-mode
    // setting is switched off.
    takeWindowSettings();
    const QStringList settings = settingsfile::lines(state_.settings());
    state_.mail.setImode(false);
    if (!textfile::writeAtomically(programFile(programfiles::settings), textfile::joinLines(settings)))
        services_.dialogs.inform(u"設定ファイル（"_qs + programfiles::settings
                                 + u"）を保存できませんでした。前回の設定が残ります。"_qs);
    return true;
}

void MainWindow::toggleMailList() { handoff_.mailList->setVisible(!isShownInWindow(handoff_.mailList)); }

void MainWindow::send() { sendCommand(*handoffContext_, SendTarget::Outbox); }

void MainWindow::insertPictograph(int slot) { codeMenu_->insertPictograph(slot); }

void MainWindow::substituteKeywords() { codeMenu_->substituteKeywords(); }

void MainWindow::rediscoverBecky() { becky_->rediscover(); }

void MainWindow::closeProgram()
{
    if (close())
        endProgram();
}

void MainWindow::recipientRegistered() { controls_.addressBookButton->setEnabled(true); }

bool MainWindow::offerSendableText(bool withSignature) { return codeMenu_->offerSendableText(withSignature); }

void MainWindow::endProgram()
{
    ended_ = true;
    close();
    emit programEnded();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (ended_) {
        event->accept();
        return;
    }
    if (!maybeSaveChildWindows() || !runCloseSequence()) {
        event->ignore();
        return;
    }
    event->accept();
    ended_ = true;
    emit programEnded();
}

// The open limit panel hangs from its header, over what lies below it.
void MainWindow::placeLimitFlags()
{
    QFrame *flags = compose_.limitFlagsPanel;
    const QPoint below = compose_.limitPanel->mapTo(client_, QPoint(0, compose_.limitPanel->height()));
    flags->setGeometry(QRect(below, flags->sizeHint()));
    flags->raise();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == client_ && event->type() == QEvent::Resize)
        || (watched == compose_.limitFlagsPanel && event->type() == QEvent::Show))
        placeLimitFlags();
    return QMainWindow::eventFilter(watched, event);
}
