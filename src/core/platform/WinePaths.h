#pragma once

#include "core/platform/Registry.h"

#include <QString>

/// Maps Windows paths into a Wine prefix the way Wine finds files: the drive
/// letter selects the prefix's dosdevices link ("c:" for C:), and each
/// component names the directory entry of exactly that spelling or else the
/// first one that matches it without regard to case. Components that do not
/// exist (yet) keep their spelling, so a file to be created maps to where it
/// will be. "." and ".." are resolved, "/" counts as a separator like "\".
///
/// A path without a drive letter ("\Becky", "Becky") is taken on drive C:,
/// the drive Wine programs run from. A path that begins with "/" is a host
/// path already and is used as it is, except that "\" (added by code that
/// builds Windows paths, such as data folder + "\OutBox.mbx") separates
/// components there too. A network path ("\\server\share") has no host
/// form: it maps to an empty text.
class WinePaths : public HostPaths {
public:
    /// Paths under `prefixFolder` (the folder that holds dosdevices).
    explicit WinePaths(QString prefixFolder);

    QString toHost(const QString &path) const override;

private:
    QString prefix_;
};

/// True when a file or folder exists at the host form of `path`.
bool existsOnHost(const HostPaths &paths, const QString &path);
