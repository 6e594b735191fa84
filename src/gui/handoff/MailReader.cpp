#include "gui/handoff/MailReader.h"

#include "gui/compose/BodyEdit.h"
#include "gui/compose/ComposeCommands.h"
#include "gui/compose/ComposeContext.h"
#include "core/compose/EditedMail.h"
#include "gui/compose/VerticalCommands.h"
#include "core/handoff/AccountModel.h"
#include "gui/handoff/AccountMailboxes.h"
#include "gui/handoff/AddressField.h"
#include "gui/handoff/HandoffContext.h"
#include "gui/handoff/HandoffHost.h"
#include "core/handoff/MailCounts.h"
#include "core/handoff/MailListModel.h"
#include "core/handoff/Mailbox.h"
#include "core/platform/ControlCharacters.h"
#include "core/platform/Dialogs.h"
#include "gui/platform/LineFields.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

namespace {

// The sending address that is the mail's "From:" (address 0 when none
// is), unless the chosen one already is.
void matchSendingAddress(HandoffContext &h, const QString &from)
{
    AccountModel &a = h.accounts;
    if (a.sendingAddress(a.sendingAddressIndex()) == from)
        return;
    int found = 0;
    for (int k = 0; k < a.sendingAddressCount(); ++k) {
        if (a.sendingAddress(k) == from) {
            found = k;
            break;
        }
    }
    a.setSendingAddressIndex(found);
}

// The To field gets the text as one step of its undo history; the address
// list's entry equal to it counts as chosen by the user (which selects the
// recipient's phone model).
void showRecipient(HandoffContext &h, const QString &to)
{
    QComboBox *field = h.ui.toField;
    replaceLineText(field->lineEdit(), to);
    if (const int entry = addressfield::indexOf(h, to); entry >= 0)
        emit field->activated(entry);
}

// Asks whether a record is in vertical layout and whether to edit it
// horizontally; returns the body to edit and keeps the row's flag in step.
QString horizontalBody(HandoffContext &h, const QModelIndex &index, const QString &body)
{
    Dialogs &dialogs = h.dialogs;
    MailListModel &rows = mailreader::model(h);
    bool vertical = index.data(MailListModel::VerticalRole).toBool();
    if (!vertical && body.contains(u"次のページ"_qs)
        && dialogs.askYesNo(u"この文章は、縦書きで記入された可能性があります。縦書きとみなします。"_qs,
                            u"縦がき？"_qs)) {
        vertical = true;
        rows.setData(index, true);
    }
    if (!vertical)
        return body;
    if (!dialogs.askYesNo(u"この文章は、縦書きで記入されています。編集しやすいように横書きにしますか？"_qs,
                          u"横書き編集"_qs)) {
        rows.setData(index, false);
        return body;
    }
    // A model that cannot hold a layout is refused there; the body then
    // stays as it is, to be edited and sent horizontally.
    const std::optional<QString> horizontal = horizontalText(h.compose, body);
    if (!horizontal)
        return body;
    setVerticalMode(h.compose, true);
    return *horizontal;
}

} // namespace

namespace mailreader {

MailListModel &attachModel(HandoffContext &h)
{
    auto *rows = new MailListModel(h.ui.mailList);
    h.ui.mailList->setModel(rows);
    QLabel *label = h.ui.mailCountsLabel;
    label->setText(h.counts.caption());
    QObject::connect(&h.counts, &MailCountsModel::captionChanged, label, &QLabel::setText);
    return *rows;
}

MailListModel &model(const HandoffContext &h)
{
    return *static_cast<MailListModel *>(h.ui.mailList->model());
}

void listMails(HandoffContext &h, MailSource source)
{
    const HandoffControls &c = h.ui;
    MailListModel &rows = model(h);
    rows.clearRecords();
    const QString path = source == MailSource::Drafts
                             ? accountmailboxes::mailboxPath(h, accountmailboxes::Mailbox::Drafts)
                             : mailbox::logPath(h.programFolder);
    QList<MailRow> found = mailboxreader::list(path, source, h.dialogs);
    if (found.isEmpty())
        return;
    const int count = static_cast<int>(found.size());
    rows.setRecords(std::move(found));
    h.counts.setCount(source, count);
    c.mailList->show();
}

void loadMail(HandoffContext &h, int row)
{
    const HandoffControls &c = h.ui;
    EditedMail &mail = h.compose.mail;
    MailListModel &rows = model(h);
    if (row < 0 || row >= rows.rowCount())
        return;
    if (MailListModel::isHeaderRow(row)) {
        c.mailList->clearSelection();
        c.mailList->setCurrentIndex(QModelIndex());
        startNewMail(h.compose);
        return;
    }
    if (!mayReplaceEditedMail(h.compose))
        return;
    const QModelIndex index = rows.index(row);
    const MailRow loaded = rows.record(row);
    matchSendingAddress(h, loaded.from);
    setVerticalMode(h.compose, false);
    // The record writes a line end after the body that the editor never had.
    const QString written = loaded.body.endsWith(u"\r\n") ? loaded.body.chopped(2) : loaded.body;
    const QString body = horizontalBody(h, index, written);
    int leftOutOfSubject = 0;
    int leftOutOfTo = 0;
    const QString subject = controlcharacters::without(loaded.subject, &leftOutOfSubject);
    const QString to = controlcharacters::without(loaded.to, &leftOutOfTo);
    const int leftOut = h.compose.ui.bodyField->setBodyText(body) + leftOutOfSubject + leftOutOfTo;
    replaceLineText(h.compose.ui.subjectField, subject);
    showRecipient(h, to);
    mail.bodyModified = false;
    if (leftOut > 0)
        h.dialogs.inform(controlcharacters::leftOutMessage(leftOut));
}

void hideMailList(HandoffContext &h)
{
    h.ui.mailList->hide();
}

} // namespace mailreader
