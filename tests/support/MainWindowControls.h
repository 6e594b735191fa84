#pragma once

#include "gui/compose/LimitFlagBoxes.h"

#include <QList>

#include <array>

class BodyEdit;
class PhoneScreen;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;

/// The main window's controls as a test reaches them: found by the names
/// the window gives them (the control table's names), the way a user finds
/// them by their captions. The window itself hands none of them out.
struct MainWindowControls {
    /// Finds every control of `window`; one that is missing ends the program.
    explicit MainWindowControls(QWidget *window);

    QWidget *window;

    QFrame *toolBar;
    QPushButton *sendButton;
    QPushButton *countButton;
    QPushButton *previewButton;
    QPushButton *signatureButton;
    QPushButton *verticalModeButton;
    QPushButton *beckyAddressBookButton;
    QCheckBox *imodeSetting;
    QComboBox *accountList;
    QToolButton *limitPanel;
    QFrame *limitFlagsPanel;
    LimitFlagBoxes limitFlags;

    QPushButton *addressBookButton;
    QComboBox *toField;
    QLabel *subjectCaption;
    QLineEdit *subjectField;
    BodyEdit *bodyField;
    QListView *mailList;

    QFrame *previewPanel;
    QComboBox *phoneModelList;
    QCheckBox *verticalPreviewSwitch;
    QPushButton *sendImageButton;
    PhoneScreen *previewBox;
    QLabel *previewNote;

    QFrame *statusBar;
    QLabel *countLabel;
    QLabel *mailCountsLabel;
    QLabel *limitStatusLabel;
    QLabel *signatureStatusLabel;
    QLabel *warningLabel;

    QMenu *fileMenu;
    QAction *openEntry;
    QAction *chooseFileEntry;
    QAction *newMailEntry;
    QAction *saveDraftEntry;
    QAction *listDraftsEntry;
    QAction *listLogEntry;
    QAction *exitEntry;

    QMenu *editMenu;
    QAction *undoEntry;
    QAction *redoEntry;
    std::array<QAction *, 3> copyEntries;
    QMenu *fontSizeMenu;
    std::array<QAction *, 3> fontSizeEntries;
    std::array<QAction *, 9> filterEntries;
    QAction *allFiltersEntry;

    QMenu *codeMenu;
    QAction *registrationEntry;
    QAction *substituteEntry;
    QAction *removePictographsEntry;
    QAction *pictographCheckEntry;
    QAction *autoSubstituteEntry;
    QAction *paletteEntry;
    QAction *replaceUnsendableEntry;
    /// The pictograph entries as the menu holds them now.
    QList<QAction *> pictographEntries() const;

    QMenu *imodeMenu;
    QAction *noConfirmationEntry;
    QAction *newMailAfterSendEntry;
    QAction *endAfterSendEntry;
    QAction *bccToAccountEntry;
    QMenu *accountChangeMenu;
    std::array<QAction *, 3> accountChangeModeEntries;
    /// The sending-address entries as the menu holds them now.
    QList<QAction *> sendingAddressEntries() const;

    QMenu *windowMenu;
    std::array<QAction *, 3> panelEntries;
    QAction *horizontalEntry;
    QMenu *verticalMenu;
    QAction *textViewLayoutEntry;
    QAction *sendingLayoutEntry;

    QMenu *helpMenu;
    QAction *aboutEntry;
    QAction *readmeEntry;
    QAction *resetEntry;
    QAction *helpEntry;
};
