#pragma once

#include <QString>

/// The folder that holds the program's own files (settings, presets, the
/// Becky record, the address book, the log): the executable's folder when
/// the program may write there, otherwise the per-user application data
/// folder, created when missing.
QString programFolder();

/// A file of the program folder: folder + "/" + name.
QString programFile(const QString &folder, const QString &name);
