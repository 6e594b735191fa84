#pragma once

#include <QLockFile>
#include <QString>

/// Keeps a second copy of the program off a program folder that a running
/// copy uses: both would read and rewrite the same settings, address book
/// and records. The claim lasts as long as this object.
class FolderLock {
public:
    explicit FolderLock(const QString &programFolder);

    /// Claims the folder. False when a running copy holds it; a claim left
    /// by a copy that no longer runs (a crash) is taken over. A folder where
    /// no lock can be made at all (read-only) is not refused: the program
    /// runs as it would without the lock.
    bool claim();

    /// What a second start is told.
    static QString heldMessage(const QString &programFolder);

private:
    QLockFile lock_;
};
