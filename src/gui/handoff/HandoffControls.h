#pragma once

#include <QList>

#include <array>

class BodyEdit;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
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

    QComboBox *accountList = nullptr;           ///< item data = the account's mail folder number
    std::array<QAction *, 3> accountChangeModeEntries{}; ///< in AccountChangeMode order
    /// The sending-address entries; the list grows with the Becky accounts.
    const QList<QAction *> *sendingAddressEntries = nullptr;
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
