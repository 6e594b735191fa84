// A vertical layout read back into horizontal text, with any fallback
// geometry. The first two bytes are the fallback columns and rows.
#include "core/compose/Vertical.h"
#include "core/platform/Cp932.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int columns = static_cast<std::int8_t>(data[0]);
    const int rows = static_cast<std::int8_t>(data[1]);
    const QString text = cp932::decode(QByteArrayView(data + 2, static_cast<qsizetype>(size - 2)));
    (void)fromVertical(text, columns, rows);
    return 0;
}
