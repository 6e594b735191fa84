#pragma once

#include <QList>
#include <array>

class BodyEdit;
class ClickableFrame;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class Twips;

/// The main window's controls and menu entries, under the names the
/// program's handlers use. Array members keep their index.
struct MainControls {
    // Tool bar
    QFrame *Frame2 = nullptr;
    QPushButton *Command3 = nullptr;          ///< send
    QPushButton *Command1 = nullptr;          ///< count command, shows progress
    std::array<QPushButton *, 2> Command4{};  ///< preview toggle, signature
    QPushButton *Command7 = nullptr;          ///< vertical mode
    QPushButton *Command2 = nullptr;          ///< Becky address book
    QCheckBox *Check2 = nullptr;              ///< i-mode setting
    QComboBox *Combo2 = nullptr;              ///< account list
    ClickableFrame *Frame1 = nullptr;         ///< limit panel
    std::array<QCheckBox *, 9> Check1{};      ///< limit flags

    // Addressing and text
    QPushButton *Command6 = nullptr;          ///< own address book
    QComboBox *Combo1 = nullptr;              ///< To field
    QLabel *Label2 = nullptr;                 ///< subject caption
    QLineEdit *Text2 = nullptr;               ///< subject
    BodyEdit *Text1 = nullptr;                ///< body
    QListView *List1 = nullptr;               ///< draft and log list

    // Preview panel
    QFrame *Frame3 = nullptr;
    QComboBox *Combo3 = nullptr;              ///< phone models, item data = code
    QCheckBox *Check3 = nullptr;              ///< vertical preview
    QPushButton *Command5 = nullptr;          ///< send image
    QPlainTextEdit *Text3 = nullptr;          ///< preview box
    QLabel *Label4 = nullptr;                 ///< note

    // Status bar
    QFrame *Picture1 = nullptr;
    QLabel *Label1 = nullptr;                 ///< count label
    QLabel *Label6 = nullptr;                 ///< draft and log counts
    std::array<QLabel *, 2> Label3{};         ///< limit status, signature status
    QLabel *Label5 = nullptr;                 ///< warning line

    // Menus
    QMenu *Mnufile = nullptr;
    QAction *openfile = nullptr;
    QAction *newfile = nullptr;
    QAction *TotyuuSave = nullptr;
    std::array<QAction *, 2> ReadingBecky{};
    QAction *Mnuexit = nullptr;

    QMenu *mainmnu = nullptr;
    std::array<QAction *, 3> CopyDisp{};
    QMenu *mojisize = nullptr;
    std::array<QAction *, 3> SizeFontChg{};
    std::array<QAction *, 9> nuki{};
    QAction *Cmero = nullptr;

    QMenu *Mnucode = nullptr;
    QAction *mojio = nullptr;
    std::array<QAction *, 2> MnuTouroku{};
    QAction *EmojiChk = nullptr;
    QAction *Aouttikan = nullptr;
    QList<QAction *> PutChar;                 ///< grows at start-up, at most 20

    QMenu *imenu = nullptr;
    QAction *IOutNO = nullptr;
    QAction *IOutput = nullptr;
    QAction *IOutEnd = nullptr;
    QAction *OutBcc = nullptr;
    QMenu *OutAccuntChg = nullptr;
    std::array<QAction *, 3> OutAdrChg{};
    QList<QAction *> OutAdr;                  ///< grows with the Becky accounts

    QMenu *MnuWindow = nullptr;
    std::array<QAction *, 3> ViewPre{};
    QAction *YokoPre = nullptr;
    QMenu *MnuTATE = nullptr;
    std::array<QAction *, 2> PreTate{};

    QMenu *MnuHelp = nullptr;
    QAction *Horo = nullptr;
    QAction *ReadMe = nullptr;
    QAction *ReSetSave = nullptr;
    QAction *MnuOpenHelp = nullptr;
};

/// Creates the controls on `client` at their design places.
void createControls(MainControls &c, QWidget *client, const Twips &twips);

/// Creates the menu tree in order, with captions and shortcuts.
void createMenus(MainControls &c, QMenuBar *bar);

/// Appends an entry to the sending-address list (`OutAdr`).
QAction *addSendingAddress(MainControls &c, const QString &caption);

/// Appends an entry to the pictograph menu (`PutChar`).
QAction *addPictographEntry(MainControls &c, const QString &caption);
