#pragma once

#include "core/platform/Registry.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

/// The current user's registry of a Wine prefix, read from the prefix's
/// user.reg as Wine writes it. Read-only; the file is parsed once, on the
/// first query, and a missing or foreign file reads as an empty registry.
/// Key and value names match without regard to case, as on Windows.
/// Not thread-safe (the first query fills a cache).
class WineRegistry : public Registry {
public:
    /// A registry read from `prefixFolder` + "/user.reg".
    explicit WineRegistry(QString prefixFolder);

    /// The prefix Wine itself would use: $WINEPREFIX when set and not empty,
    /// otherwise ~/.wine.
    static QString prefixFromEnvironment();

    /// The bytes the ANSI registry call fills in for the value `name` of the
    /// key `path` (relative to HKEY_CURRENT_USER; an empty name is the key's
    /// default value), whatever their size: string types converted to code
    /// page 932 with their zero terminators, a dword as 4 little-endian
    /// bytes, other types as their raw bytes. Nothing when the key or value
    /// is missing.
    std::optional<QByteArray> readValue(const QString &path, const QString &name) const;

    QString readString(const QString &path, const QString &name) const override;

private:
    struct Value {
        int type = 0;
        QByteArray data; ///< as Windows keeps it: strings in UTF-16LE
    };
    using Key = QHash<QString, Value>; ///< by case-folded value name

    const QHash<QString, Key> &keys() const;

    QString file_;
    mutable std::optional<QHash<QString, Key>> keys_; ///< by case-folded key path
};
