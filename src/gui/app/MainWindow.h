#pragma once

#include "core/app/FolderLock.h"
#include "gui/app/MainControls.h"
#include "gui/app/Services.h"
#include "gui/compose/ComposeHost.h"
#include "gui/handoff/HandoffHost.h"
#include "gui/platform/Twips.h"

#include <QMainWindow>

#include <memory>

class Dialogs;
struct ComposeContext;
struct ProgramState;
struct HandoffContext;

/// The mail editor: the program's start-up object. It holds the controls
/// and the state, hands each subsystem the part it works on, and answers
/// what the subsystems ask of the window.
class MainWindow : public QMainWindow, private ComposeHost, private HandoffHost {
    Q_OBJECT
public:
    /// The window shows and changes `state`, which outlives it.
    MainWindow(Services &services, ProgramState &state, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// Runs the start-up sequence before the window is shown. Returns false
    /// when the program is to end at once instead of showing the window.
    bool startup();

    /// Claims the program folder for this copy; when another copy holds it,
    /// says so and returns false.
    bool claimProgramFolder();

    MainControls &ui() { return controls_; }
    ProgramState &state() { return state_; }
    Services &services() { return services_; }
    Dialogs &dialogs();
    const Twips &twips() const { return twips_; }
    /// What the compose commands work with.
    ComposeContext &compose() { return *compose_; }
    /// What the hand-off commands work with.
    HandoffContext &handoff() { return *handoff_; }
    /// A file of the program folder.
    QString programFile(const QString &name) const;

    /// The layout rules: run on every size change and on demand.
    void layoutControls();
    /// The client area in twips.
    QSize clientSizeTwips() const;
    /// The whole window (with its menu bar) in twips: width and height.
    QSize windowSizeTwips() const;
    void setWindowSizeTwips(int width, int height);

    /// Runs the close questions of each open child window; false when one
    /// of them must stay open, and with it the program.
    bool maybeSaveChildWindows();

    /// Ends the program at once, without the close sequence.
    void endProgram();
    bool hasEnded() const override { return ended_; }

    /// Appends an entry to the pictograph menu, wired to its command.
    QAction *addPictographEntry(const QString &caption);

signals:
    /// The program has ended (Exit, a finished manual set-up, a close).
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyFonts();
    void connectHandlers();

    // What the subsystems ask of the window.
    void layOut() override;
    void send() override;
    void insertPictograph(int slot) override;
    void substituteKeywords() override;
    void rediscoverBecky() override;
    void closeProgram() override;
    bool registerRecipient(const QString &address) override;
    bool offerSendableText(bool withSignature) override;

    Services &services_;
    Twips twips_;
    MainControls controls_;
    ProgramState &state_;
    std::unique_ptr<ComposeContext> compose_;
    std::unique_ptr<HandoffContext> handoff_;
    QWidget *client_ = nullptr;
    /// The size last asked for in twips; pixels round it.
    QSize sizeTwips_;
    FolderLock folderLock_;
    bool ended_ = false;
};
