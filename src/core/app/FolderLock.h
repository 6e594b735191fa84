#pragma once

#include <QLockFile>
#include <QString>

#include <future>

/// Keeps a second copy of the program off a program folder that a running
/// copy uses: both would read and rewrite the same settings, address book
/// and records. The claim lasts as long as this object.
class FolderLock {
public:
    /// Starts claiming the folder on a thread of its own: the claim writes
    /// the lock file through to the disk, which need not hold up the work
    /// done meanwhile (building the window), as long as no file of the
    /// folder is read before claim() has answered.
    explicit FolderLock(const QString &programFolder);

    /// Whether the folder is claimed, once the claim is done. False when a
    /// running copy holds it; a claim left by a copy that no longer runs (a
    /// crash) is taken over. A folder where no lock can be made at all
    /// (read-only) is not refused: the program runs as it would without
    /// the lock.
    bool claim() const { return claimed_.get(); }

    /// What a second start is told.
    static QString heldMessage(const QString &programFolder);

private:
    QLockFile lock_;
    /// Declared after the lock, so that the claim has ended before the lock
    /// file is given up.
    std::shared_future<bool> claimed_;
};
