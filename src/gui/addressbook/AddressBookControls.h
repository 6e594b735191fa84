#pragma once

#include <QString>

#include <array>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QWidget;
class Twips;

/// The controls of the address book window under their program names
/// (also their object names).
struct AddressBookControls {
    QComboBox *Combo1 = nullptr;               ///< kind list: the books of the mode
    QListWidget *List1 = nullptr;              ///< entry list: one name per entry
    std::array<QPushButton *, 4> Command3{};   ///< new entry, edit, delete, import/export
    QGroupBox *Frame2 = nullptr;               ///< holds the detail fields
    QLabel *Label3 = nullptr;                  ///< the six field labels
    /// Address (0), name (1), nickname (2), home page (3), PGP user id (4).
    std::array<QLineEdit *, 5> Text1{};
    QComboBox *Combo2 = nullptr;               ///< model field, item data = display code
    QLabel *Label1 = nullptr;                  ///< hint label
    QPushButton *Command1 = nullptr;           ///< put into the mail; "保存" in save mode
    QPushButton *Command2 = nullptr;           ///< close
    QGroupBox *Frame1 = nullptr;               ///< file-drop panel, hidden at design
    QLabel *Label2 = nullptr;                  ///< the drop target
    QPushButton *chooseFileButton = nullptr;   ///< opens the file chooser

    QMenu *MnuList = nullptr;                  ///< pop-up menu of a Becky book
    QAction *adrchg = nullptr;
    QMenu *MyMnuList = nullptr;                ///< pop-up menu of MY ADR
    QAction *OnMail = nullptr;
    QAction *DelList = nullptr;
    QAction *NameChg = nullptr;
    QAction *MnuHenkou = nullptr;
    QAction *NewAdr = nullptr;
    QAction *BeckyEx = nullptr;
};

/// The model field's entry that adds a new phone model: "その他".
QString otherModelName();

/// Creates the controls in `window` at their design places (twips), the
/// detail fields locked.
void createAddressBookControls(AddressBookControls &c, QWidget *window, const Twips &twips);

/// Makes the five text fields read-only and disables the model field, all
/// on a light grey background; or makes them editable on the system's
/// background.
void setFieldsLocked(AddressBookControls &c, bool locked);
