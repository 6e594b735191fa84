#include "core/handoff/Mailbox.h"

#include "core/handoff/MailRecord.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/TextFile.h"

namespace mailbox {

QString accountFolder(const QString &dataFolder, int mailDirNo)
{
    return dataFolder + u"User"_qs + QString::number(mailDirNo);
}

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
    return programFile(programFolder, programfiles::sentLog);
}

bool append(const QString &path, const MailRecord &record, const std::function<void()> &whileWaiting)
{
    return textfile::appendAll(path, mailrecord::bytes(record), whileWaiting);
}

} // namespace mailbox
