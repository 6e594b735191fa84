#pragma once

#include "core/app/ProgramState.h"
#include "gui/app/MainWindow.h"
#include "gui/app/Services.h"
#include "support/Fakes.h"
#include "support/MainWindowControls.h"

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

/// A main window for benchmarks: started on a temporary program folder with a
/// Becky record, so that the start-up asks nothing, and shown.
class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();

    MainWindow &window() { return *window_; }
    /// The temporary program folder.
    QString programFolder() const { return folder_.path(); }
    MainWindowControls &ui() { return *ui_; }

private:
    QTemporaryDir folder_;
    AnsweringDialogs dialogs_;
    MemoryClipboard clipboard_;
    MemoryRegistry registry_;
    PlainPaths paths_;
    std::unique_ptr<Services> services_;
    ProgramState state_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<MainWindowControls> ui_;
};
