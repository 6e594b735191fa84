// "Horo.ini": each line split into key and value, and the value read by
// every conversion a key uses.
#include "core/platform/SettingsFormat.h"
#include "core/platform/Cp932.h"
#include "core/platform/TextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace settingsformat;
    const QString text = cp932::decode(QByteArrayView(data, static_cast<qsizetype>(size)));
    for (const QString &line : textfile::splitLines(text)) {
        const std::optional<Line> parts = splitLine(line);
        if (!parts)
            continue;
        if (const std::optional<double> number = parseNumber(parts->value))
            (void)formatSingle(*number);
        const std::optional<int> small = parseInt16(parts->value);
        if (small && (*small < -32768 || *small > 32767))
            std::abort();
        const std::optional<int> size = parseSize(parts->value, 1440, 30000);
        if (size && (*size < 1440 || *size > 30000))
            std::abort();
        (void)parseBoolean(parts->value);
    }
    return 0;
}
