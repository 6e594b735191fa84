// "Becky.mil": the program's record of Becky's data folder and accounts.
#include "InputFile.h"

#include "core/handoff/BeckyRecord.h"
#include "core/handoff/Mailbox.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    inputFile(u"Becky.mil"_qs, data, size);
    const std::optional<BeckyEnvironment> env = beckyrecord::read(inputFolder());
    if (env && env->dataFolder) {
        for (const BeckyAccount &account : env->accounts)
            (void)mailbox::outboxPath(mailbox::accountFolder(*env->dataFolder, account.mailDirNo));
    }
    return 0;
}
