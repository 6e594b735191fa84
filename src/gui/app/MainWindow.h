#pragma once

#include "core/app/FolderLock.h"
#include "gui/app/MainControls.h"
#include "gui/compose/ComposeControls.h"
#include "gui/compose/ComposeHost.h"
#include "gui/handoff/HandoffControls.h"
#include "gui/handoff/HandoffHost.h"
#include "gui/platform/Twips.h"

#include <QMainWindow>

#include <memory>

class AddressBookOpener;
class BeckySetup;
class CodeMenuCommands;
class HelpCommands;
struct ComposeContext;
struct HandoffContext;
struct ProgramState;
struct Services;

/// The mail editor: the program's start-up object. It composes the
/// subsystems' controls into its layout and menus, hands each subsystem its
/// part of the program's state, and runs the start-up and the close.
class MainWindow : public QMainWindow, private ComposeHost, private HandoffHost {
    Q_OBJECT
public:
    /// The window shows and changes `state`, which outlives it.
    MainWindow(Services &services, ProgramState &state, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// Runs the start-up sequence before the window is shown. Returns false
    /// when the program is to end at once instead of showing the window
    /// (another copy runs on the program folder, or a successful manual
    /// Becky set-up).
    bool startup();

    /// The whole window (with its menu bar) in twips, as the settings file
    /// keeps it.
    QSize windowSizeTwips() const;
    void setWindowSizeTwips(int width, int height);

    /// Ends the program at once, without the close sequence.
    void endProgram();
    bool hasEnded() const override { return ended_; }

signals:
    /// The program has ended (Exit, a finished manual set-up, a close).
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createLayout();
    void applyFonts();
    void connectCommands();
    void readSettings();
    void takeWindowSettings();
    bool maybeSaveChildWindows();
    bool mayDropEditedBody();
    bool runCloseSequence();
    void switchBeckyFeaturesOff();
    void restoreAccountChoice();
    void placeLimitFlags();
    void setBodyFontSize(int index);
    void loadTextFile(const QString &path);
    QString programFile(const QString &name) const;

    // What the subsystems ask of the window.
    void toggleMailList() override;
    void send() override;
    void insertPictograph(int slot) override;
    void substituteKeywords() override;
    void rediscoverBecky() override;
    void closeProgram() override;
    void recipientRegistered() override;
    bool offerSendableText(bool withSignature) override;

    Services &services_;
    ProgramState &state_;
    Twips twips_;
    FolderLock folderLock_;
    QWidget *client_ = nullptr;
    ComposeControls compose_;
    HandoffControls handoff_;
    MainControls controls_;
    std::unique_ptr<ComposeContext> composeContext_;
    std::unique_ptr<HandoffContext> handoffContext_;
    std::unique_ptr<BeckySetup> becky_;
    AddressBookOpener *addressBooks_ = nullptr;
    CodeMenuCommands *codeMenu_ = nullptr;
    HelpCommands *help_ = nullptr;
    /// The size last asked for in twips; pixels round it.
    QSize sizeTwips_;
    bool ended_ = false;
};
