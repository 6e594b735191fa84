#pragma once

#include <QString>

/// Read-only access to the current user's registry, the way Becky keeps its
/// settings. On Linux this is the Wine prefix's user.reg.
class Registry {
public:
    virtual ~Registry() = default;

    /// The value `name` of the key `path` under HKEY_CURRENT_USER, as the
    /// ANSI registry call returns it: its bytes up to the first zero byte,
    /// decoded as Shift-JIS, whatever the value's type. A missing key or
    /// value, or a value longer than 1024 bytes, gives an empty text.
    virtual QString readString(const QString &path, const QString &name) const = 0;
};

/// Maps the Windows paths Becky stores (C:\Becky\User3\OutBox.mbx) to
/// files the program can open. A path that is already a host path is
/// returned as it is.
class HostPaths {
public:
    virtual ~HostPaths() = default;
    virtual QString toHost(const QString &path) const = 0;
};
