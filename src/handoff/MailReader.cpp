#include "handoff/MailReader.h"

#include "app/MainWindow.h"
#include "app/WindowCommands.h"
#include "compose/BodyEdit.h"
#include "compose/VerticalCommands.h"
#include "handoff/MailListModel.h"
#include "handoff/Mailbox.h"
#include "handoff/SendingOptions.h"
#include "handoff/WindowMailboxes.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

namespace {

// The sending address whose caption is the mail's "From:" (entry 0 when
// none is), unless the chosen one already is.
void matchSendingAddress(MainWindow &w, const QString &from)
{
    const QList<QAction *> &entries = w.ui().OutAdr;
    if (windowmailboxes::sendingAddress(w, w.state().sendingAddressIndex) == from)
        return;
    int found = 0;
    for (int k = 0; k < entries.size(); ++k) {
        if (entries[k]->text() == from) {
            found = k;
            break;
        }
    }
    sendingoptions::selectSendingAddress(w, found);
}

// The To field: the address list's entry equal to the text, chosen as the
// user chooses it (which selects the recipient's phone model), or the text.
void showRecipient(MainWindow &w, const QString &to)
{
    QComboBox *field = w.ui().Combo1;
    for (int i = 0; i < field->count(); ++i) {
        if (field->itemText(i) == to) {
            field->setCurrentIndex(i);
            emit field->activated(i);
            return;
        }
    }
    field->setEditText(to);
}

// Asks whether a record is in vertical layout and whether to edit it
// horizontally; returns the body to edit and keeps the row's flag in step.
QString horizontalBody(MainWindow &w, const QModelIndex &index, const QString &body)
{
    Dialogs &dialogs = w.dialogs();
    MailListModel &rows = mailreader::model(w);
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
    const std::optional<QString> horizontal = horizontalText(w, body);
    if (!horizontal)
        return body;
    setVerticalMode(w, true);
    return *horizontal;
}

} // namespace

namespace mailreader {

MailListModel &attachModel(MainWindow &w)
{
    auto *rows = new MailListModel(w.ui().List1);
    w.ui().List1->setModel(rows);
    return *rows;
}

MailListModel &model(MainWindow &w)
{
    return *static_cast<MailListModel *>(w.ui().List1->model());
}

void listMails(MainWindow &w, MailSource source)
{
    MainControls &c = w.ui();
    MailListModel &rows = model(w);
    rows.clearRecords();
    const QString path = source == MailSource::Drafts
                             ? windowmailboxes::mailboxPath(w, true)
                             : mailbox::logPath(w.services().programFolder);
    QString label = c.Label6->text();
    QList<MailRow> found = mailboxreader::list(path, source, w.dialogs(), label);
    if (found.isEmpty())
        return;
    rows.setRecords(std::move(found));
    c.Label6->setText(label);
    c.List1->show();
    w.layoutControls();
}

void loadMail(MainWindow &w, int row)
{
    MainControls &c = w.ui();
    MailListModel &rows = model(w);
    if (row < 0 || row >= rows.rowCount())
        return;
    if (MailListModel::isHeaderRow(row)) {
        c.List1->clearSelection();
        c.List1->setCurrentIndex(QModelIndex());
        newMail(w);
        return;
    }
    if (w.state().bodyModified && c.Text1->bodyLength() > 0
        && !w.dialogs().askYesNo(u"現在の編集内容が破棄されますがよろしいですか？"_qs, u"保存した？"_qs))
        return;
    const QModelIndex index = rows.index(row);
    const LoadedMail mail = mailboxreader::splitRow(index.data(MailListModel::RowTextRole).toString());
    matchSendingAddress(w, mail.from);
    setVerticalMode(w, false);
    const QString body = horizontalBody(w, index, mail.body);
    c.Text1->setBodyText(body);
    c.Text2->setText(mail.subject);
    showRecipient(w, mail.to);
    w.state().bodyModified = false;
}

void hideMailList(MainWindow &w)
{
    w.ui().List1->hide();
    w.layoutControls();
}

} // namespace mailreader
