#pragma once

#include "gui/compose/ComposeControls.h"
#include "gui/compose/LimitFlagBoxes.h"
#include "gui/handoff/HandoffControls.h"

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

/// The main window's controls and menu entries, named by their job. Each
/// keeps its historical name as its object name, which the control table
/// and the tests look it up by.
struct MainControls {
    // Tool bar
    QFrame *toolBar = nullptr;
    QPushButton *sendButton = nullptr;
    QPushButton *countButton = nullptr;         ///< the count command; shows its progress
    QPushButton *previewButton = nullptr;       ///< shows or hides the preview panel
    QPushButton *signatureButton = nullptr;
    QPushButton *verticalModeButton = nullptr;
    QPushButton *beckyAddressBookButton = nullptr;
    QCheckBox *imodeSetting = nullptr;
    QComboBox *accountList = nullptr;           ///< item data = the account's mail folder number
    ClickableFrame *limitPanel = nullptr;
    LimitFlagBoxes limitFlags;

    // Addressing and text
    QPushButton *addressBookButton = nullptr;   ///< the own address book
    QComboBox *toField = nullptr;
    QLabel *subjectCaption = nullptr;
    QLineEdit *subjectField = nullptr;
    BodyEdit *bodyField = nullptr;
    QListView *mailList = nullptr;              ///< the draft and log list

    // Preview panel
    QFrame *previewPanel = nullptr;
    QComboBox *phoneModelList = nullptr;        ///< item data = the model's code
    QCheckBox *verticalPreviewSwitch = nullptr;
    QPushButton *sendImageButton = nullptr;
    QPlainTextEdit *previewBox = nullptr;
    QLabel *previewNote = nullptr;

    // Status bar
    QFrame *statusBar = nullptr;
    QLabel *countLabel = nullptr;
    QLabel *mailCountsLabel = nullptr;          ///< draft and log counts
    QLabel *limitStatusLabel = nullptr;
    QLabel *signatureStatusLabel = nullptr;
    QLabel *warningLabel = nullptr;

    // Menus
    QMenu *fileMenu = nullptr;
    QAction *openEntry = nullptr;
    QAction *chooseFileEntry = nullptr;         ///< the file chooser, Ctrl+O
    QAction *newMailEntry = nullptr;
    QAction *saveDraftEntry = nullptr;
    QAction *listDraftsEntry = nullptr;
    QAction *listLogEntry = nullptr;
    QAction *exitEntry = nullptr;

    QMenu *editMenu = nullptr;
    QAction *undoEntry = nullptr;               ///< one step back in the body's history
    QAction *redoEntry = nullptr;
    std::array<QAction *, 3> copyEntries{};     ///< To text, subject, body
    QMenu *fontSizeMenu = nullptr;
    std::array<QAction *, 3> fontSizeEntries{}; ///< small, medium, large
    std::array<QAction *, 9> filterEntries{};   ///< in the order of the filter table
    QAction *allFiltersEntry = nullptr;

    QMenu *codeMenu = nullptr;
    QAction *registrationEntry = nullptr;
    QAction *substituteEntry = nullptr;
    QAction *removePictographsEntry = nullptr;
    QAction *pictographCheckEntry = nullptr;
    QAction *autoSubstituteEntry = nullptr;
    QList<QAction *> pictographEntries;         ///< grows at start-up, at most 20

    QMenu *imodeMenu = nullptr;
    QAction *noConfirmationEntry = nullptr;
    QAction *newMailAfterSendEntry = nullptr;
    QAction *endAfterSendEntry = nullptr;
    QAction *bccToAccountEntry = nullptr;
    QMenu *accountChangeMenu = nullptr;
    std::array<QAction *, 3> accountChangeModeEntries{}; ///< in AccountChangeMode order

    QMenu *windowMenu = nullptr;
    std::array<QAction *, 3> panelEntries{};    ///< preview panel, mail list, limit panel
    QAction *horizontalEntry = nullptr;
    QMenu *verticalMenu = nullptr;
    QAction *textViewLayoutEntry = nullptr;
    QAction *sendingLayoutEntry = nullptr;

    QMenu *helpMenu = nullptr;
    QAction *aboutEntry = nullptr;
    QAction *readmeEntry = nullptr;
    QAction *resetEntry = nullptr;
    QAction *helpEntry = nullptr;
};

/// Creates the controls on `client` at their design places.
void createControls(MainControls &c, QWidget *client, const Twips &twips);

/// Creates the menu tree in order, with captions and shortcuts.
void createMenus(MainControls &c, QMenuBar *bar);

/// Appends an entry to the pictograph menu.
QAction *addPictographEntry(MainControls &c, const QString &caption);

/// The controls the compose commands work on.
ComposeControls composeControls(const MainControls &c);

/// The controls the hand-off commands work on.
HandoffControls handoffControls(const MainControls &c);
