#include "core/platform/WindowsRegistry.h"

#include "core/platform/Cp932.h"

#include <windows.h>

QString WindowsRegistry::readString(const QString &path, const QString &name) const
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, cp932::encode(path).constData(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    // A value that does not fit the buffer reads as empty, like a missing one.
    char buffer[1024];
    DWORD size = sizeof buffer;
    const LONG result = RegQueryValueExA(key, cp932::encode(name).constData(), nullptr, nullptr,
                                         reinterpret_cast<BYTE *>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return {};
    const QByteArrayView bytes(buffer, static_cast<qsizetype>(size));
    const qsizetype zero = bytes.indexOf('\0');
    return cp932::decode(zero < 0 ? bytes : bytes.first(zero));
}
