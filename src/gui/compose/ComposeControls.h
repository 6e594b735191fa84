#pragma once

#include "gui/compose/LimitFlagBoxes.h"

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
class QPushButton;
class QWidget;

/// The controls the compose commands work on, handed over by the window that
/// owns them.
struct ComposeControls {
    BodyEdit *bodyField = nullptr;
    QLineEdit *subjectField = nullptr;
    QPushButton *countButton = nullptr;
    QPushButton *verticalModeButton = nullptr;
    QCheckBox *imodeSetting = nullptr;
    QWidget *limitPanel = nullptr;
    LimitFlagBoxes limitFlags;
    QAction *autoSubstituteEntry = nullptr;

    QFrame *previewPanel = nullptr;
    QPushButton *previewButton = nullptr;
    QComboBox *phoneModelList = nullptr;        ///< item data = the model's code
    QCheckBox *verticalPreviewSwitch = nullptr;
    QPushButton *sendImageButton = nullptr;
    PhoneScreen *previewBox = nullptr;
    QLabel *previewNote = nullptr;
    QListView *mailList = nullptr;              ///< shown and hidden by a panel command

    QLabel *countLabel = nullptr;
    QLabel *warningLabel = nullptr;
    QLabel *limitStatusLabel = nullptr;

    /// Controls that work only while the i-mode setting is on: the account
    /// list shows, the buttons and menus are enabled.
    QWidget *accountList = nullptr;
    std::array<QPushButton *, 2> imodeButtons{};  ///< send, signature
    std::array<QAction *, 2> imodeMenus{};        ///< the window and i-mode menus

    QAction *undoEntry = nullptr;                 ///< the edit menu's undo and redo of the body
    QAction *redoEntry = nullptr;
    std::array<QAction *, 9> filterEntries{};     ///< in the order of the filter table
    QAction *allFiltersEntry = nullptr;
    QAction *textViewLayoutEntry = nullptr;
    QAction *sendingLayoutEntry = nullptr;
    QAction *horizontalEntry = nullptr;
    std::array<QAction *, 3> panelEntries{};      ///< preview panel, mail list, limit panel
};
