#pragma once

#include <QString>
#include <QStringList>

/// Where the program keeps its own files and where its user documentation is.
struct ProgramPlaces {
    /// The folder of settings, presets, the Becky record, the address book
    /// and the log.
    QString folder;
    /// The user documentation "readme.txt".
    QString readme;
};

/// How an installed copy is laid out on this system.
struct InstallLayout {
    /// Folders whose whole tree belongs to the system's packages (/usr, /opt).
    QStringList systemTrees;
    /// The bin folder the build installs into (it may lie outside the trees).
    QString installedBinFolder;
    /// The readme of an install, relative to the executable's folder.
    QString readmeFromBinFolder;
    /// The per-user data folder.
    QString userDataFolder;
};

/// The places of a program whose executable lies in `executableFolder`.
/// An installed copy (in a system tree, in the install's bin folder, or
/// with the install's readme beside it) keeps its files in the per-user
/// folder and reads the readme where the install put it. Any other copy
/// (a portable copy, the build folder) keeps its files and readme beside
/// the executable, unless it may not write there.
ProgramPlaces programPlaces(const QString &executableFolder, const InstallLayout &layout);

/// The places of the running program, with the layout this build installs;
/// the per-user folder is created when it is used.
ProgramPlaces currentProgramPlaces();

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
/// The lock a running copy holds on the folder.
inline const QString lock = QStringLiteral("Horonami.lock");
} // namespace programfiles
