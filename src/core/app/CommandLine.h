#pragma once

#include <QString>
#include <QStringList>

/// What the command line asks of the program: `horonami [FILE]`, or one of
/// `--help` and `--version`.
struct CommandLine {
    enum class Action {
        /// Start the window, loading `file` when it is not empty.
        Start,
        /// Print `text` on standard output and end with status 0.
        Print,
        /// Print `text` on standard error and end with status 2.
        Refuse,
    };
    Action action = Action::Start;
    /// The text file to load: the arguments that are not options, joined
    /// with spaces, so that a path given without quotes still works.
    QString file;
    QString text;
};

/// Reads the program's arguments (its own name first). Needs no window and
/// no display; the usage line names the program as a running
/// QCoreApplication was started.
CommandLine readCommandLine(const QStringList &arguments);
