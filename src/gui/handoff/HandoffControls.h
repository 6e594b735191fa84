#pragma once

#include <QList>

#include <array>

class BodyEdit;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;

/// The controls the hand-off commands work on, handed over by the window
/// that owns them.
struct HandoffControls {
    QComboBox *toField = nullptr;
    QLineEdit *subjectField = nullptr;
    BodyEdit *bodyField = nullptr;
    QPushButton *addressBookButton = nullptr;   ///< enabled once an address is registered

    QPushButton *sendButton = nullptr;
    QAction *saveDraftEntry = nullptr;
    QPushButton *signatureButton = nullptr;
    QLabel *signatureStatusLabel = nullptr;

    QComboBox *accountList = nullptr;           ///< the accounts, in the accounts' order
    std::array<QAction *, 3> accountChangeModeEntries{}; ///< in AccountChangeMode order
    /// The menu the sending-address entries are put at the end of, and the
    /// entries, one per sending address: the list grows with the accounts.
    QMenu *imodeMenu = nullptr;
    QList<QAction *> sendingAddressEntries;
    QAction *noConfirmationEntry = nullptr;
    QAction *newMailAfterSendEntry = nullptr;
    QAction *endAfterSendEntry = nullptr;
    QAction *bccToAccountEntry = nullptr;
    std::array<QAction *, 3> copyEntries{};     ///< To text, subject, body

    QAction *listDraftsEntry = nullptr;
    QAction *listLogEntry = nullptr;
    QListView *mailList = nullptr;
    QLabel *mailCountsLabel = nullptr;          ///< draft and log counts
};
