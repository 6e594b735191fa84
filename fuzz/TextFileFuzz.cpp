// A text file opened into the body: decoded, split into lines, and turned
// into the field's form and back.
#include "InputFile.h"

#include "core/compose/BodyText.h"
#include "core/platform/TextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString body = textfile::read(inputFile(u"mail.txt"_qs, data, size));
    (void)textfile::splitLines(body);
    const QString field = bodytext::toField(body);
    const QString back = bodytext::toBody(field);
    if (bodytext::toField(back) != field)
        std::abort();
    return 0;
}
