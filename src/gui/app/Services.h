#pragma once

#include <QString>

class Clipboard;
class Dialogs;
class HostPaths;
class Registry;

/// What the main window needs from outside: the platform seams, the program
/// folder and the command line.
struct Services {
    Dialogs &dialogs;
    Clipboard &clipboard;
    const Registry &registry;
    const HostPaths &hostPaths;
    /// The folder that holds the program's own files.
    QString programFolder;
    /// The text file named on the command line, to load; empty for none.
    QString commandLine;
    /// The user documentation "readme.txt".
    QString readme;
};
