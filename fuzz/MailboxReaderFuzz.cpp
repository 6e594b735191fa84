// The mailbox reader of the draft and log list, and the split of a listed
// row back into the fields.
#include "handoff/MailboxReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    for (const MailSource source : {MailSource::Drafts, MailSource::Log}) {
        for (const MailRow &row : mailboxreader::readBytes(bytes, source))
            (void)mailboxreader::splitRow(row.text);
    }
    return 0;
}
