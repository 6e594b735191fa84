#pragma once

#include <QString>

/// The folder that holds the program's own files (settings, presets, the
/// Becky record, the address book, the log): the executable's folder when
/// the program may write there, otherwise the per-user application data
/// folder, created when missing.
QString programFolder();

/// A file of the program folder: folder + "/" + name.
QString programFile(const QString &folder, const QString &name);

/// The names of the program's own files in its folder.
namespace programfiles {
/// The settings.
inline const QString settings = QStringLiteral("Horo.ini");
/// The Becky record: Becky's data folder, the own address and the accounts.
inline const QString beckyRecord = QStringLiteral("Becky.mil");
/// The own address book.
inline const QString addressBook = QStringLiteral("addr.adr");
/// The phone models added to the built-in ones.
inline const QString phoneModels = QStringLiteral("Keitai.pre");
/// The pictograph definitions.
inline const QString pictographs = QStringLiteral("Emoji.code");
/// The log of sent mails.
inline const QString sentLog = QStringLiteral("OutPutLog.mbx");
/// The user documentation.
inline const QString readme = QStringLiteral("readme.txt");
} // namespace programfiles
