#pragma once

#include "addressbook/AddressBookControls.h"
#include "addressbook/AddressBookFile.h"

#include <QDialog>

class MainWindow;

/// The address book window ("アドレス帳"): one book at a time, a list of
/// names with the selected entry's details below. For MY ADR it registers,
/// edits, renames, deletes and exports; for Becky's books it imports single
/// entries into MY ADR; in every book it puts an entry's address into the
/// main window's To field. Without a book it serves the open command as the
/// file-drop panel. A close destroys the window.
class AddressBookWindow : public QDialog {
    Q_OBJECT
public:
    /// The window mode, set by the opener.
    enum class Mode { FileDrop, MyAdr, BeckyAdr };

    explicit AddressBookWindow(MainWindow &main);

    AddressBookControls &ui() { return controls_; }
    Mode mode() const { return mode_; }
    /// True once the close sequence has let the window close.
    bool isClosing() const { return closing_; }
    /// True while the book in memory differs from its file.
    bool bookChanged() const { return bookChanged_; }
    /// True in save mode (the button reads "保存").
    bool saveMode() const { return saveMode_; }
    const QList<AddressEntry> &entries() const { return entries_; }

    /// Prepares MY ADR: the model field (unknown, the main window's models,
    /// "その他"), the export button and the export target folder; then loads
    /// "addr.adr" and locks the kind list.
    void openMyAdr(const QString &addressBookFolder);
    /// Prepares Becky's books: lists `books`, chooses the remembered one (or
    /// the first), which loads it, and disables the editing buttons.
    void openBeckyBooks(const QList<addressbook::BookFile> &books, int rememberedIndex);
    /// Shows the file-drop panel alone, under the caption "読み込み".
    void openFileDrop();

    /// Asks for each dropped file, first to last, whether to load it; the
    /// first one answered Yes goes to the open-file flag and closes the window.
    void dropFiles(const QStringList &paths);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void loadChosenBook();
    void selectEntry(int row);
    void showEntry();
    void fillFields(const AddressEntry &entry);
    bool anyFieldChanged() const;
    void clearFieldFlags();
    void markEdited(bool *flag);
    void commitAt(int row);
    QString chosenModelName();
    bool saveMyAdr();
    void rebuildAddressList();

    void putIntoMail();
    void edit();
    void save();
    void newEntry();
    void deleteEntry();
    void rename();
    void importEntry();
    void exportMyAdr();
    void popUpMenu(const QPoint &pos);
    void layOut();

    MainWindow &main_;
    AddressBookControls controls_;
    Mode mode_ = Mode::FileDrop;
    QList<AddressEntry> entries_;
    QStringList setAside_;
    QString exportFolder_;
    bool addressChanged_ = false;
    bool nameChanged_ = false;
    bool detailsChanged_ = false;
    bool bookChanged_ = false;
    bool saveMode_ = false;
    bool exportMode_ = false;
    int shownIndex_ = -1;
    bool closing_ = false;
};
