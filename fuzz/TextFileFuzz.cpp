// A text file opened into the body: decoded, turned into the field's form
// and back, and positions mapped both ways.
#include "InputFile.h"

#include "compose/BodyText.h"
#include "platform/TextFile.h"

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
    for (int pos = 0; pos <= field.size(); pos += 1 + pos / 4) {
        const int bodyPos = bodytext::bodyPosition(field, pos);
        if (bodyPos < pos || bodyPos > back.size() || bodytext::fieldPosition(field, bodyPos) != pos)
            std::abort();
    }
    return 0;
}
