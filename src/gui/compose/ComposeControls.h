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
class QPushButton;
class QToolButton;
class QWidget;

/// The compose subsystem's controls: the subject and body fields, the count
/// and mode buttons, the limit panel, the preview panel, the count and
/// warning lines and the compose entries of the menus. create() makes them
/// with their names, captions and starting states; the window that holds
/// them places them and puts the entries into its menus.
struct ComposeControls {
    /// Makes every control as a child of `parent`, unplaced.
    static ComposeControls create(QWidget *parent);

    QLabel *subjectCaption = nullptr;
    QLineEdit *subjectField = nullptr;
    BodyEdit *bodyField = nullptr;
    QPushButton *countButton = nullptr;
    QPushButton *previewButton = nullptr;       ///< shows or hides the preview panel
    QPushButton *verticalModeButton = nullptr;
    QCheckBox *imodeSetting = nullptr;

    /// The limit panel: a header that opens and folds it, and the frame of
    /// its nine switches, shown only while it is open.
    QToolButton *limitPanel = nullptr;
    QFrame *limitFlagsPanel = nullptr;
    LimitFlagBoxes limitFlags;

    QFrame *previewPanel = nullptr;
    QComboBox *phoneModelList = nullptr;
    QCheckBox *verticalPreviewSwitch = nullptr;
    QPushButton *sendImageButton = nullptr;
    PhoneScreen *previewBox = nullptr;
    QLabel *previewNote = nullptr;

    QLabel *countLabel = nullptr;
    QLabel *warningLabel = nullptr;
    QLabel *limitStatusLabel = nullptr;

    QAction *undoEntry = nullptr;                 ///< the edit menu's undo and redo of the body
    QAction *redoEntry = nullptr;
    std::array<QAction *, 9> filterEntries{};     ///< in the order of the filter table
    QAction *allFiltersEntry = nullptr;
    QAction *autoSubstituteEntry = nullptr;
    std::array<QAction *, 3> panelEntries{};      ///< preview panel, mail list, limit panel
    QAction *horizontalEntry = nullptr;
    QAction *textViewLayoutEntry = nullptr;
    QAction *sendingLayoutEntry = nullptr;
};
