#include "handoff/HandoffCommands.h"

#include "app/MainWindow.h"
#include "handoff/MailReader.h"
#include "handoff/SendCommand.h"
#include "handoff/SendingOptions.h"
#include "handoff/SignatureCommand.h"

#include <QAction>
#include <QComboBox>
#include <QListView>
#include <QPushButton>

// The four on/off options (IOutNO, IOutput, IOutEnd, OutBcc) are checkable
// menu entries that toggle themselves; the send command reads their marks.
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
    QObject::connect(c.List1, &QListView::doubleClicked, &w, [&w] { mailreader::hideMailList(w); });
}

void connectSendingAddress(MainWindow &w, QAction *entry, int index)
{
    QObject::connect(entry, &QAction::triggered, &w,
                     [&w, index] { sendingoptions::chooseSendingAddress(w, index); });
}
