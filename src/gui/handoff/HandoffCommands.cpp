#include "gui/handoff/HandoffCommands.h"

#include "core/compose/EditedMail.h"
#include "gui/compose/ComposeContext.h"
#include "gui/handoff/AddressField.h"
#include "gui/handoff/HandoffContext.h"
#include "gui/handoff/MailReader.h"
#include "gui/handoff/SendCommand.h"
#include "gui/handoff/SendingChoices.h"
#include "gui/handoff/SignatureCommand.h"
#include "gui/handoff/TabStopDelegate.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>

namespace {

// Enter on the draft and log list loads the row the arrows moved to, as a
// click does.
class EnterLoadsRow : public QObject {
public:
    EnterLoadsRow(HandoffContext &h, QObject *parent) : QObject(parent), h_(h) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        mailreader::loadMail(h_, h_.ui.mailList->currentIndex().row());
        return true;
    }

private:
    HandoffContext &h_;
};

} // namespace

void connectHandoffCommands(HandoffContext &h, QObject *owner)
{
    const HandoffControls &c = h.ui;
    QObject::connect(c.sendButton, &QPushButton::clicked, owner, [&h] { sendCommand(h, SendTarget::Outbox); });
    QObject::connect(c.saveDraftEntry, &QAction::triggered, owner, [&h] { sendCommand(h, SendTarget::Drafts); });
    QObject::connect(c.signatureButton, &QPushButton::clicked, owner, [&h] { signatureCommand(h); });
    showSignature(h, owner);
    sendingchoices::showChoices(h, owner);
    addressfield::connect(h, owner);
    // The send and signature buttons work, and the account list shows, only
    // while the i-mode setting is on.
    const auto followImode = [&c](bool on) {
        c.sendButton->setEnabled(on);
        c.signatureButton->setEnabled(on);
        c.accountList->setVisible(on);
    };
    followImode(h.compose.mail.imode());
    QObject::connect(&h.compose.mail, &EditedMail::imodeChanged, owner, followImode);
    using sendingchoices::ShownText;
    const ShownText copied[] = {ShownText::To, ShownText::Subject, ShownText::Body};
    for (std::size_t i = 0; i < c.copyEntries.size(); ++i) {
        const ShownText field = copied[i];
        QObject::connect(c.copyEntries[i], &QAction::triggered, owner,
                         [&h, field] { sendingchoices::copyShownText(h, field); });
    }

    QObject::connect(c.listDraftsEntry, &QAction::triggered, owner,
                     [&h] { mailreader::listMails(h, MailSource::Drafts); });
    QObject::connect(c.listLogEntry, &QAction::triggered, owner, [&h] { mailreader::listMails(h, MailSource::Log); });
    mailreader::attachModel(h);
    c.mailList->setItemDelegate(new TabStopDelegate({125, 300, 390, 570, 700}, c.mailList));
    QObject::connect(c.mailList, &QListView::clicked, owner,
                     [&h](const QModelIndex &index) { mailreader::loadMail(h, index.row()); });
    QObject::connect(c.mailList, &QListView::doubleClicked, owner, [&h] { mailreader::hideMailList(h); });
    c.mailList->installEventFilter(new EnterLoadsRow(h, c.mailList));
}
