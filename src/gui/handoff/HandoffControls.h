#pragma once

#include <QList>

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QWidget;

/// The hand-off subsystem's controls: the To field, the send and signature
/// buttons, the account list, the draft and log list, their status labels and
/// the hand-off entries of the menus. create() makes them with their names,
/// captions and starting states; the window that holds them places them and
/// puts the entries into its menus.
struct HandoffControls {
    /// Makes every control as a child of `parent`, unplaced.
    static HandoffControls create(QWidget *parent);

    QComboBox *toField = nullptr;               ///< the recipient, with the address list
    QPushButton *sendButton = nullptr;
    QPushButton *signatureButton = nullptr;
    QComboBox *accountList = nullptr;           ///< the accounts, in the accounts' order
    QListView *mailList = nullptr;              ///< the draft and log list
    QLabel *signatureStatusLabel = nullptr;
    QLabel *mailCountsLabel = nullptr;          ///< draft and log counts

    QAction *saveDraftEntry = nullptr;
    QAction *listDraftsEntry = nullptr;
    QAction *listLogEntry = nullptr;
    std::array<QAction *, 3> copyEntries{};     ///< To text, subject, body
    QAction *noConfirmationEntry = nullptr;
    QAction *newMailAfterSendEntry = nullptr;
    QAction *endAfterSendEntry = nullptr;
    QAction *bccToAccountEntry = nullptr;
    QMenu *accountChangeMenu = nullptr;
    std::array<QAction *, 3> accountChangeModeEntries{}; ///< in AccountChangeMode order

    /// The menu whose end holds the sending-address entries (given by the
    /// window that composes the menus), and the entries, one per sending
    /// address: the list grows with the accounts.
    QMenu *sendingAddressMenu = nullptr;
    QList<QAction *> sendingAddressEntries;
};
