// "Becky.mil": the program's record of Becky's data folder and accounts.
#include "InputFile.h"

#include "app/BeckyEnvironment.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    inputFile(u"Becky.mil"_qs, data, size);
    if (const std::optional<BeckyEnvironment> env = readBeckyRecord(inputFolder())) {
        for (const BeckyAccount &account : env->accounts)
            (void)accountMailFolder(env->dataFolder, account.mailDirNo);
    }
    return 0;
}
