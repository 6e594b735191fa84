#include "core/platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isInside(const QString &folder, const QString &tree)
{
    const QString f = QDir::cleanPath(folder);
    const QString t = QDir::cleanPath(tree);
    return f == t || f.startsWith(t.endsWith(u'/') ? t : t + u'/');
}

bool isInstalled(const QString &executableFolder, const InstallLayout &layout)
{
    for (const QString &tree : layout.systemTrees) {
        if (isInside(executableFolder, tree))
            return true;
    }
    if (!layout.installedBinFolder.isEmpty()
        && QDir::cleanPath(executableFolder) == QDir::cleanPath(layout.installedBinFolder))
        return true;
    // Installed with another prefix: the readme sits where the install puts it.
    return QFileInfo::exists(QDir(executableFolder).filePath(layout.readmeFromBinFolder));
}

} // namespace

ProgramPlaces programPlaces(const QString &executableFolder, const InstallLayout &layout)
{
    if (isInstalled(executableFolder, layout))
        return {layout.userDataFolder,
                QDir::cleanPath(QDir(executableFolder).filePath(layout.readmeFromBinFolder))};
    const QString readme = programFile(executableFolder, programfiles::readme);
    if (QFileInfo(executableFolder).isWritable())
        return {executableFolder, readme};
    return {layout.userDataFolder, readme};
}

ProgramPlaces currentProgramPlaces()
{
    const InstallLayout layout{
        {u"/usr"_qs, u"/opt"_qs},
        QStringLiteral(HORONAMI_INSTALLED_BIN_FOLDER),
        QStringLiteral(HORONAMI_README_FROM_BIN_FOLDER),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
    const ProgramPlaces places = programPlaces(QCoreApplication::applicationDirPath(), layout);
    if (places.folder == layout.userDataFolder)
        QDir().mkpath(places.folder);
    return places;
}

QString programFile(const QString &folder, const QString &name)
{
    return folder + u'/' + name;
}
