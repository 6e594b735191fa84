#pragma once

#include "core/app/ProgramState.h"
#include "gui/app/MainWindow.h"
#include "support/Fakes.h"
#include "support/MainWindowControls.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <memory>

class AddressBookWindow;

/// A main window on a temporary program folder, with scripted dialogs and
/// a Becky record whose first mail folder exists, so that the start-up
/// asks nothing unless a test arranges it.
class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();

    /// Folder for the program's files; write files here before start().
    TestFolder folder;
    ScriptedDialogs dialogs;
    MemoryClipboard clipboard;
    MemoryRegistry registry;
    PlainPaths paths;
    QString commandLine;

    /// The Becky data folder of the record written by the harness.
    QString dataFolder() const;
    /// Writes no Becky record (the start-up then looks for Becky).
    void withoutBeckyRecord();

    /// Creates the window and runs the start-up; returns its result. The
    /// window is shown when the start-up lets it.
    bool start();
    MainWindow &window() { return *window_; }
    /// The window's controls, found by their names once it is created.
    MainWindowControls &ui() { return *ui_; }
    ProgramState &state() { return state_; }

    /// The address book window open over the main window (not one that is
    /// closing), or nullptr.
    AddressBookWindow *addressBook() const;

    /// How the user ends the program.
    enum class Ending { CloseBox, ExitEntry };
    /// Ends the program by the close box or the file menu's Exit; true when
    /// it ended.
    bool end(Ending how);

    /// Gives the To field the keyboard focus, as a click or Tab does.
    void focusToField();
    /// Types text into the body at the caret, key by key.
    void typeIntoBody(const QString &text);
    /// Presses a key in the body.
    void pressInBody(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// Sets the body text as program code does.
    void setBody(const QString &body);
    QString body() const;

private:
    std::unique_ptr<Services> services_;
    ProgramState state_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<MainWindowControls> ui_;
};
