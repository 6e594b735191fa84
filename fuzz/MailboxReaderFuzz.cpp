// The mailbox reader of the draft and log list, and the list's text of each
// row it reads.
#include "core/handoff/MailListModel.h"
#include "core/handoff/MailboxReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    for (const MailSource source : {MailSource::Drafts, MailSource::Log}) {
        MailListModel list;
        list.setRecords(mailboxreader::readBytes(bytes, source));
        for (int row = 0; row < list.rowCount(); ++row)
            (void)list.index(row).data();
    }
    return 0;
}
