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

/// The controls of the address book window; their object names are the
/// program's control names (in the comments).
struct AddressBookControls {
    QWidget *bookPanel = nullptr;              ///< everything but the file-read panel
    QComboBox *bookList = nullptr;             ///< `Combo1`, the names of the mode's books
    QListWidget *entryList = nullptr;          ///< `List1`, one name per entry
    QPushButton *newEntryButton = nullptr;     ///< `Command3(0)`, "新規登録"
    QPushButton *editButton = nullptr;         ///< `Command3(1)`, "変更"
    QPushButton *deleteButton = nullptr;       ///< `Command3(2)`, "削除"
    QPushButton *importExportButton = nullptr; ///< `Command3(3)`, "インポート"; "エクスポート" in MY ADR
    QGroupBox *detailGroup = nullptr;          ///< `Frame2`, the details of the entry shown
    QLineEdit *nameField = nullptr;            ///< `Text1(1)`
    QLineEdit *addressField = nullptr;         ///< `Text1(0)`
    QComboBox *modelField = nullptr;           ///< `Combo2`, the phone models
    QLineEdit *nicknameField = nullptr;        ///< `Text1(2)`
    QLineEdit *homePageField = nullptr;        ///< `Text1(3)`
    QLineEdit *pgpField = nullptr;             ///< `Text1(4)`, PGP user id
    QLabel *hintLabel = nullptr;               ///< `Label1`, the tool tip of the control pointed at
    QPushButton *putIntoMailButton = nullptr;  ///< `Command1`, "ﾒｰﾙへ入力"; "保存" in save mode
    QPushButton *closeButton = nullptr;        ///< `Command2`, "閉じる"
    QGroupBox *fileReadPanel = nullptr;        ///< `Frame1`, "FILE READ", shown alone by the open command
    QLabel *dropTarget = nullptr;              ///< `Label2`
    QPushButton *chooseFileButton = nullptr;   ///< opens the file chooser

    QMenu *bookMenu = nullptr;                 ///< `MnuList`, pop-up menu of a Becky book
    QAction *importAction = nullptr;           ///< `adrchg`
    QMenu *myAdrMenu = nullptr;                ///< `MyMnuList`, pop-up menu of MY ADR
    QAction *putIntoMailAction = nullptr;      ///< `OnMail`
    QAction *deleteAction = nullptr;           ///< `DelList`
    QAction *renameAction = nullptr;           ///< `NameChg`
    QAction *editAction = nullptr;             ///< `MnuHenkou`
    QAction *newEntryAction = nullptr;         ///< `NewAdr`
    QAction *exportAction = nullptr;           ///< `BeckyEx`

    /// The five text fields: address, name, nickname, home page, PGP user id.
    std::array<QLineEdit *, 5> textFields() const
    {
        return {addressField, nameField, nicknameField, homePageField, pgpField};
    }
};

/// The model field's entry that adds a new phone model: "その他".
QString otherModelName();

/// Creates the controls in `window` and lays them out as the design
/// arranges them: the book list on top, the entry list with its buttons,
/// the details with a caption beside each field, the hint and the two
/// buttons at the bottom; the entry list takes what the window grows by.
/// The file-read panel is hidden and the detail fields locked.
void createAddressBookControls(AddressBookControls &c, QWidget *window);

/// Makes the five text fields read-only and disables the model field, all
/// on a light grey background; or makes them editable on the system's
/// background.
void setFieldsLocked(AddressBookControls &c, bool locked);
