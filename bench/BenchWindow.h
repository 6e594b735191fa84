#pragma once

#include "core/app/ProgramState.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Services.h"
#include "core/platform/Desktop.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Registry.h"

#include <QFont>
#include <QSize>
#include <QTemporaryDir>

#include <memory>

/// Types one character (by default "あ") and one Backspace at the caret of
/// a text field, each as a key press and release, then lets the pending
/// repaints happen: the field keeps its text.
void typeAndErase(QWidget *field, const QString &character = QStringLiteral("あ"));

/// The size and font of a text field.
struct FieldLook {
    QSize size;
    QFont font;
};

/// The looks of the body field and the preview box, read off a window that
/// is gone again before a floor is measured: a bare field given the same
/// look draws the same.
std::pair<FieldLook, FieldLook> fieldLooks();

/// Dialogs that answer every box at once: Yes or OK, the default text of an
/// input box, Cancel in a file chooser.
class AnsweringDialogs : public Dialogs {
public:
    Answer message(const QString &, const QString &, Buttons buttons, Icon) override
    {
        return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &defaultText) override
    {
        return defaultText;
    }
    std::optional<QString> chooseFile(const QString &, const QStringList &) override
    {
        return std::nullopt;
    }
};

/// A main window for benchmarks: started on a temporary program folder with a
/// Becky record, so that the start-up asks nothing, and shown.
class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();

    MainWindow &window() { return *window_; }
    MainControls &ui() { return window_->ui(); }

private:
    class NoClipboard : public Clipboard {
    public:
        void setText(const QString &) override {}
        QString text() const override { return {}; }
    };
    class NoRegistry : public Registry {
    public:
        QString readString(const QString &, const QString &) const override { return {}; }
    };
    class SamePaths : public HostPaths {
    public:
        QString toHost(const QString &path) const override { return path; }
    };

    QTemporaryDir folder_;
    AnsweringDialogs dialogs_;
    NoClipboard clipboard_;
    NoRegistry registry_;
    SamePaths paths_;
    std::unique_ptr<Services> services_;
    ProgramState state_;
    std::unique_ptr<MainWindow> window_;
};
