#pragma once

#include "core/addressbook/AddressBookFile.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class AccountModel;
class AddressBookWindow;
class Dialogs;
class EditedMail;
class HostPaths;
class PhoneModelList;
class QWidget;

/// The main window's openers of the address book window: the own address
/// book ("MY ADR"), Becky's address books and the file-drop panel of the open
/// command. Each opening starts from a fresh window; what the window hands
/// out comes out of the opener's signals.
class AddressBookOpener : public QObject {
    Q_OBJECT
public:
    /// What the openers need.
    struct Context {
        Dialogs &dialogs;
        const HostPaths &hostPaths;
        QString programFolder;
        /// The i-mode setting filters Becky's books; the data folder finds
        /// them; the remembered book is chosen first.
        EditedMail &mail;
        AccountModel &accounts;
        /// The models the model field offers.
        const PhoneModelList &phones;
    };

    /// The windows open over `window`.
    AddressBookOpener(Context context, QWidget *window);

    /// The open address book window, or nullptr.
    AddressBookWindow *openWindow() const;

    /// The own address book, modeless, with the phone models for its model
    /// field and the export to Becky.
    void openMine();
    /// Offers the i-mode setting when it is off, lists the group files of
    /// Becky's address book folder (with the setting on, only those holding
    /// an i-mode address), chooses the remembered book and shows the window
    /// modeless, read-only but for the import.
    void openBeckys();
    /// The file-drop panel, modal: the dropped file the user confirmed, or
    /// nothing (ESC, closing the panel).
    std::optional<QString> chooseDroppedFile();

signals:
    /// The user put an entry's address into the mail.
    void addressChosen(const QString &address);
    /// MY ADR was saved: the To field's list, one item per line.
    void addressListChanged(const QList<addressbook::AddressListItem> &items);
    /// An entry of a Becky book was appended to MY ADR.
    void entryImported(const QString &address);

private:
    AddressBookWindow *freshWindow();
    QString beckyBooksFolder() const;

    Context c_;
    QWidget *window_;
};
