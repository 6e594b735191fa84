// "Emoji.code" and the two conversions. The input is the definition file,
// a zero byte and the body; the conversions must replace each character of
// the body at most once, so the result is bounded by the longest
// replacement.
#include "InputFile.h"

#include "core/pictograph/Definitions.h"
#include "core/platform/Cp932.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto *zero = static_cast<const std::uint8_t *>(std::memchr(data, 0, size));
    const std::size_t fileSize = zero ? static_cast<std::size_t>(zero - data) : size;
    const QList<Definition> list = definitions::read(inputFile(u"Emoji.code"_qs, data, fileSize));
    const std::size_t bodyStart = std::min(size, fileSize + 1);
    const QString body = cp932::decode(
        QByteArrayView(data + bodyStart, static_cast<qsizetype>(size - bodyStart)));

    qsizetype longest = 1;
    for (const Definition &d : list)
        longest = std::max({longest, d.symbol.size(), d.keyword.size()});
    if (definitions::restoreKeywords(body, list).size() > body.size() * longest)
        std::abort();
    if (definitions::substituteEscaped(body, list).size() > body.size())
        std::abort(); // a symbol is never longer than its escaped keyword
    return 0;
}
