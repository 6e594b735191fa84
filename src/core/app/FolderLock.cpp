#include "core/app/FolderLock.h"

#include "core/platform/ProgramFolder.h"

#include <QDir>

FolderLock::FolderLock(const QString &programFolder) : lock_(programFile(programFolder, programfiles::lock))
{
    // Held for the whole run: never stale by age, only when its copy is gone.
    lock_.setStaleLockTime(0);
    claimed_ = std::async(std::launch::async, [this] {
        return lock_.tryLock() || lock_.error() != QLockFile::LockFailedError;
    });
}

QString FolderLock::heldMessage(const QString &programFolder)
{
    return u"Horonamiは、このフォルダーですでに起動しています。\r\n"
           u"同じフォルダーで二つ同時に使うと、設定やアドレス帳を上書きし合ってしまうため、終了します。\r\n"_qs
        + QDir::toNativeSeparators(programFolder);
}
