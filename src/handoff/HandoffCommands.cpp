#include "handoff/HandoffCommands.h"

#include "app/MainWindow.h"
#include "handoff/MailReader.h"
#include "handoff/SendCommand.h"
#include "handoff/SendingOptions.h"
#include "handoff/SignatureCommand.h"

#include <QAction>
#include <QComboBox>
#include <QListView>
#include <QKeyEvent>
#include <QPushButton>

// The four on/off options (IOutNO, IOutput, IOutEnd, OutBcc) are checkable
// menu entries that toggle themselves; the send command reads their marks.
namespace {

// Enter on the draft and log list loads the row the arrows moved to, as a
// click does.
class EnterLoadsRow : public QObject {
public:
    explicit EnterLoadsRow(MainWindow &w) : QObject(w.ui().List1), w_(w) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        mailreader::loadMail(w_, w_.ui().List1->currentIndex().row());
        return true;
    }

private:
    MainWindow &w_;
};

} // namespace

void connectHandoffCommands(MainWindow &w)
{
    MainControls &c = w.ui();
    QObject::connect(c.Command3, &QPushButton::clicked, &w, [&w] { sendCommand(w); });
    QObject::connect(c.TotyuuSave, &QAction::triggered, &w, [&w] { saveDraft(w); });
    QObject::connect(c.Command4[1], &QPushButton::clicked, &w, [&w] { signatureCommand(w); });
    for (int mode = 0; mode < 3; ++mode) {
        QObject::connect(c.OutAdrChg[mode], &QAction::triggered, &w,
                         [&w, mode] { sendingoptions::chooseAccountChangeMode(w, mode); });
    }
    for (int entry = 0; entry < 3; ++entry) {
        QObject::connect(c.CopyDisp[entry], &QAction::triggered, &w,
                         [&w, entry] { sendingoptions::copyShownText(w, entry); });
    }
    QObject::connect(c.Combo2, &QComboBox::currentIndexChanged, &w,
                     [&w] { sendingoptions::accountChosen(w); });

    QObject::connect(c.ReadingBecky[0], &QAction::triggered, &w,
                     [&w] { mailreader::listMails(w, MailSource::Drafts); });
    QObject::connect(c.ReadingBecky[1], &QAction::triggered, &w,
                     [&w] { mailreader::listMails(w, MailSource::Log); });
    mailreader::attachModel(w);
    QObject::connect(c.List1, &QListView::clicked, &w,
                     [&w](const QModelIndex &index) { mailreader::loadMail(w, index.row()); });
    c.List1->installEventFilter(new EnterLoadsRow(w));
    QObject::connect(c.List1, &QListView::doubleClicked, &w, [&w] { mailreader::hideMailList(w); });
}

void connectSendingAddress(MainWindow &w, QAction *entry, int index)
{
    QObject::connect(entry, &QAction::triggered, &w,
                     [&w, index] { sendingoptions::chooseSendingAddress(w, index); });
}
