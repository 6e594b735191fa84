#pragma once

#include "core/platform/Registry.h"

/// The real registry of a Windows build, read through the ANSI calls Becky's
/// values are meant for. Compiled only on Windows.
class WindowsRegistry : public Registry {
public:
    QString readString(const QString &path, const QString &name) const override;
};

/// Windows paths are host paths on Windows.
class WindowsPaths : public HostPaths {
public:
    QString toHost(const QString &path) const override { return path; }
};
