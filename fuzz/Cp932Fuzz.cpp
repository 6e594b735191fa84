// Code page 932 both ways: bytes decoded, text (the input read as UTF-16)
// encoded, and the length the counter predicts checked against the bytes.
#include "core/platform/Cp932.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString decoded = cp932::decode(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (cp932::encode(decoded).size() != cp932::byteLength(decoded))
        std::abort();

    const QString units(reinterpret_cast<const QChar *>(data), static_cast<qsizetype>(size / 2));
    const QByteArray encoded = cp932::encode(units);
    if (encoded.size() != cp932::byteLength(units))
        std::abort();
    // Every unit has a form: one "?" or one or two bytes, never more.
    if (encoded.size() > 2 * units.size())
        std::abort();
    return 0;
}
