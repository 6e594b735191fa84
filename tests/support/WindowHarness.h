#pragma once

#include "core/app/ProgramState.h"
#include "gui/app/MainWindow.h"
#include "core/platform/Desktop.h"
#include "core/platform/Registry.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QHash>
#include <QPair>

#include <memory>

/// A clipboard that keeps its text in memory.
class MemoryClipboard : public Clipboard {
public:
    void setText(const QString &text) override { text_ = text; }
    QString text() const override { return text_; }

private:
    QString text_;
};

/// A registry held in memory: (key path, value name) -> text.
class MemoryRegistry : public Registry {
public:
    void set(const QString &path, const QString &name, const QString &value)
    {
        values_.insert({path.toLower(), name.toLower()}, value);
    }
    QString readString(const QString &path, const QString &name) const override
    {
        return values_.value({path.toLower(), name.toLower()});
    }

private:
    QHash<QPair<QString, QString>, QString> values_;
};

/// Host paths that are used as they are.
class PlainPaths : public HostPaths {
public:
    QString toHost(const QString &path) const override;
};

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
    MainControls &ui() { return window_->ui(); }
    ProgramState &state() { return state_; }

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
};
