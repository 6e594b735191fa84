#pragma once

#include "gui/addressbook/AddressBookControls.h"
#include "core/addressbook/AddressBookFile.h"
#include "core/compose/PhoneModel.h"

#include <QDialog>

#include <functional>
#include <optional>

class Dialogs;

/// What MY ADR works with, handed in by whoever opens the window.
struct MyAdrSetup {
    /// The own address book file, "addr.adr".
    QString bookFile;
    /// Becky's address book folder, the target of the export.
    QString exportFolder;
    /// The phone models offered by the model field, after "不明".
    QList<PhoneModel> models;
    /// The default text of the new-entry question.
    QString newEntryDefault;
    /// Adds a phone model for the model field's "その他" (asking the user);
    /// nothing when none was added (cancelled, or a failure already reported).
    std::function<std::optional<PhoneModel>()> addPhoneModel;
};

/// The address book window ("アドレス帳"): one book at a time, a list of
/// names with the selected entry's details below. For MY ADR it registers,
/// edits, renames, deletes and exports; for Becky's books it imports single
/// entries into MY ADR; in every book it hands an entry's address to the
/// mail. Without a book it serves the open command as the file-drop panel.
/// It takes its data through the open functions and answers through
/// signals; every way of closing it (close box, "閉じる", ESC) runs the
/// close questions of maybeSave(). A close destroys the window.
class AddressBookWindow : public QDialog {
    Q_OBJECT
public:
    /// The window mode, set by the open functions.
    enum class Mode { FileDrop, MyAdr, BeckyAdr };

    AddressBookWindow(Dialogs &dialogs, QWidget *parent);

    AddressBookControls &ui() { return controls_; }
    Mode mode() const { return mode_; }
    /// True once the close questions have let the window close.
    bool isClosing() const { return closing_; }
    /// True while the book in memory differs from its file.
    bool bookChanged() const { return bookChanged_; }
    /// True in save mode (the button reads "保存").
    bool saveMode() const { return saveMode_; }
    const QList<AddressEntry> &entries() const { return entries_; }

    /// With true, books are loaded with their non-i-mode entries set aside.
    void setImodeOnly(bool imodeOnly) { imodeOnly_ = imodeOnly; }

    /// Prepares MY ADR: the model field (unknown, the given models,
    /// "その他"), the export button; then loads the book and locks the kind
    /// list.
    void openMyAdr(const MyAdrSetup &setup);
    /// Prepares Becky's books: lists `books`, chooses the remembered one (or
    /// the first), which loads it, and disables the editing buttons. Imports
    /// go to `myAdrFile`.
    void openBeckyBooks(const QList<addressbook::BookFile> &books, int rememberedIndex,
                        const QString &myAdrFile);
    /// Shows the file-drop panel alone, under the caption "読み込み"; its
    /// button offers the file chooser instead of a drop.
    void openFileDrop();

    /// Asks for each dropped file, first to last, whether to load it; the
    /// first one answered Yes is handed out by fileChosen and closes the
    /// window.
    void dropFiles(const QStringList &paths);

    /// The close questions of MY ADR: offers to keep the edited fields, then
    /// to save a changed book. Returns false when the window must stay open
    /// (Cancel, or a failed save); No to a question is the user's choice to
    /// drop that change when the window closes.
    bool maybeSave();

    /// Routes ESC and every other reject through the close questions.
    void reject() override;

signals:
    /// The user put an entry's address into the mail.
    void addressChosen(const QString &address);
    /// MY ADR was saved: the main window's To list, one item per line.
    void addressListChanged(const QList<addressbook::AddressListItem> &items);
    /// An entry of a Becky book was appended to MY ADR.
    void entryImported(const QString &address);
    /// The book shown when the window closed (not sent by the file-drop
    /// panel), for the next opening.
    void bookChosen(int index);
    /// The file the user confirmed on the file-drop panel, or chose in the
    /// file chooser it offers.
    void fileChosen(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void loadChosenBook();
    void selectEntry(int row);
    void showEntry();
    void offerToKeepEdit();
    void fillFields(const AddressEntry &entry);
    bool anyFieldChanged() const;
    void clearFieldFlags();
    void markEdited(bool *flag);
    void commitAt(int row);
    QString chosenModelName(const QString &previousModel);
    int modelChoiceOf(const QString &name) const;
    bool saveMyAdr();
    QStringList linesAddedElsewhere() const;

    void putIntoMail();
    void edit();
    void save();
    void newEntry();
    void deleteEntry();
    void rename();
    void importEntry();
    void exportMyAdr();
    std::optional<QString> askGroupName();
    void chooseFile();
    void popUpMenu(const QPoint &pos);

    Dialogs &dialogs_;
    AddressBookControls controls_;
    Mode mode_ = Mode::FileDrop;
    bool imodeOnly_ = false;
    MyAdrSetup myAdr_;
    /// The books of the kind list, in its order.
    QList<addressbook::BookFile> books_;
    /// The model field's items in MY ADR: "不明", the phone models, "その他".
    QList<PhoneModel> modelChoices_;
    QList<AddressEntry> entries_;
    QStringList setAside_;
    /// The book's lines as loaded or last saved: lines found in the file
    /// beyond them were added by another command and survive a save.
    QStringList fileLines_;
    bool addressChanged_ = false;
    bool nameChanged_ = false;
    bool detailsChanged_ = false;
    bool bookChanged_ = false;
    bool saveMode_ = false;
    bool exportMode_ = false;
    int shownIndex_ = -1;
    bool closing_ = false;
};
