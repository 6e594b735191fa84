// "Keitai.pre": the models read from the file and what the preview asks of
// each.
#include "InputFile.h"

#include "core/app/PresetFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const PhoneModel &model : presetfile::read(inputFile(u"Keitai.pre"_qs, data, size))) {
        (void)model.columns();
        (void)model.rows();
        (void)model.canLayOutVertically();
        (void)presetfile::line(model);
    }
    return 0;
}
