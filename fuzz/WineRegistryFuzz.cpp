// Wine's user.reg: the reader and the value conversions of the Becky keys.
#include "InputFile.h"

#include "core/platform/WineRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    inputFile(u"user.reg"_qs, data, size);
    const WineRegistry registry(inputFolder());
    const QString settings = u"Software\\RIMArts\\Rebecca\\Settings"_qs;
    (void)registry.readString(settings, u"HomeDir"_qs);
    (void)registry.readValue(settings, QString());
    for (const char16_t *name : {u"Account", u"MailDirNo", u"Address"})
        (void)registry.readString(u"Software\\RIMArts\\Rebecca\\Users\\0"_qs, QString::fromUtf16(name));
    return 0;
}
