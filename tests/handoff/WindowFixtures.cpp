#include "WindowFixtures.h"

#include "support/WindowHarness.h"

#include <QCheckBox>
#include <QDir>

void writeTwoAccounts(WindowHarness &h)
{
    QDir(h.folder.path()).mkpath(u"becky/User1/OutBox"_qs);
    h.folder.writeText(u"Becky.mil"_qs, h.dataFolder()
                                            + u"\r\nme@docomo.ne.jp\r\nメイン,0\r\nme@isp.example.jp"
                                              u"\r\nサブ,1\r\nsub@isp.example.jp\r\n"_qs);
}

bool startImode(WindowHarness &h)
{
    if (!h.start())
        return false;
    h.ui().imodeSetting->setChecked(true);
    return true;
}

QByteArray outboxBytes(WindowHarness &h, int mailDirNo)
{
    return h.folder.readBytes(u"becky/User%1/OutBox.mbx"_qs.arg(mailDirNo));
}

QByteArray draftBytes(WindowHarness &h, int mailDirNo)
{
    return h.folder.readBytes(u"becky/User%1/OutBox/Draft.mbx"_qs.arg(mailDirNo));
}

QByteArray recordBytes(const MailFields &fields)
{
    return mailrecord::bytes(mailrecord::build(fields));
}

MailFields fieldsFrom(const QString &to, const QString &subject, const QString &body)
{
    MailFields fields;
    fields.from = u"me@docomo.ne.jp"_qs;
    fields.to = to;
    fields.subject = subject;
    fields.body = body;
    return fields;
}

void expectConfirmedSend(WindowHarness &h, const MailRecord &record, bool discard,
                         std::function<void()> whileConfirming)
{
    h.dialogs.expectMessage(u"送信OK?"_qs, mailrecord::confirmationText(record), Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes);
    if (whileConfirming)
        h.dialogs.whileShown(std::move(whileConfirming));
    h.dialogs
        .expectMessage(Dialogs::defaultTitle(),
                       u"送信します。ＯＫを押した後に、BECKY側で送信手順を行ってください。"_qs, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectMessage(u"削除？"_qs, u"送信しました。編集内容を破棄しますか？"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, discard ? Dialogs::Answer::Yes : Dialogs::Answer::No);
}
