#include "handoff/Mailbox.h"

#include "handoff/MailRecord.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

namespace mailbox {

QString outboxPath(const QString &accountFolder)
{
    return accountFolder + QStringLiteral("\\OutBox.mbx");
}

QString draftPath(const QString &accountFolder)
{
    return accountFolder + QStringLiteral("\\OutBox\\Draft.mbx");
}

QString logPath(const QString &programFolder)
{
    return programFile(programFolder, QStringLiteral("OutPutLog.mbx"));
}

bool append(const QString &path, const MailRecord &record)
{
    return textfile::appendAll(path, mailrecord::bytes(record));
}

} // namespace mailbox
