#pragma once

#include <QList>

#include <array>

class QAction;
class QFrame;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;
struct ComposeControls;
struct HandoffControls;

/// The main window's own controls — the address book buttons, the frames of
/// the tool bar and the status bar — and the menu tree, which it composes
/// from its own entries and those of the subsystems. Each control keeps its
/// historical name as its object name, which the tests find it by.
struct MainControls {
    /// Makes the window's own controls on `client` and the complete menu tree
    /// on `bar`, in order, with the subsystems' entries in their places.
    static MainControls create(QWidget *client, QMenuBar *bar, const ComposeControls &compose,
                               HandoffControls &handoff);

    QFrame *toolBar = nullptr;
    QFrame *statusBar = nullptr;
    QPushButton *beckyAddressBookButton = nullptr;
    QPushButton *addressBookButton = nullptr;   ///< the own address book

    QMenu *fileMenu = nullptr;
    QAction *openEntry = nullptr;
    QAction *chooseFileEntry = nullptr;
    QAction *newMailEntry = nullptr;
    QAction *exitEntry = nullptr;

    QMenu *editMenu = nullptr;
    QMenu *fontSizeMenu = nullptr;
    std::array<QAction *, 3> fontSizeEntries{}; ///< small, medium, large

    QMenu *codeMenu = nullptr;
    QAction *registrationEntry = nullptr;
    QAction *substituteEntry = nullptr;
    QAction *removePictographsEntry = nullptr;
    QAction *pictographCheckEntry = nullptr;
    QAction *paletteEntry = nullptr;
    QAction *replaceUnsendableEntry = nullptr;
    QList<QAction *> pictographEntries;         ///< grows at start-up, at most 20

    QMenu *imodeMenu = nullptr;
    QMenu *windowMenu = nullptr;
    QMenu *verticalMenu = nullptr;

    QMenu *helpMenu = nullptr;
    QAction *aboutEntry = nullptr;
    QAction *readmeEntry = nullptr;
    QAction *resetEntry = nullptr;
    QAction *helpEntry = nullptr;

    /// Appends an entry to the pictograph menu.
    QAction *addPictographEntry(const QString &caption);
};
