#pragma once

#include "core/pictograph/DefinitionListModel.h"

#include <QWidget>

class Dialogs;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QScrollBar;

/// The controls of the code registration window; their object names are the
/// program's control names (in the comments).
struct RegistrationControls {
    QGroupBox *codeGroup = nullptr;            ///< `Frame1`, "コード登録"
    QLabel *symbolLabel = nullptr;             ///< `Label1`, "記号" + selector value; a click finds the symbol
    QLineEdit *symbolField = nullptr;          ///< `Text1`, one character
    QScrollBar *pictographSelector = nullptr;  ///< `HScroll1`, 0 to 206
    QLabel *keywordLabel = nullptr;            ///< `Label2`, "： キーワード"; a click finds the keyword
    QLineEdit *keywordField = nullptr;         ///< `Text2`
    QPushButton *registerButton = nullptr;     ///< `Command1`, "登録"
    QListView *definitionList = nullptr;       ///< `List1`, the definitions
    QPushButton *moveUpButton = nullptr;       ///< `Command4(0)`, "▲"
    QPushButton *moveDownButton = nullptr;     ///< `Command4(1)`, "▼"
    QPushButton *deleteButton = nullptr;       ///< `Command2(0)`, "削除"
    QPushButton *sortButton = nullptr;         ///< `Command2(1)`, "ソ ｜ ト"
    QPushButton *putIntoBodyButton = nullptr;  ///< `Command2(2)`, "本文 記入"
    QPushButton *applyButton = nullptr;        ///< `Command2(3)`, "適用": save now
    QPushButton *cancelButton = nullptr;       ///< `Command2(4)`, "キャンセル": close without saving
    QPushButton *okButton = nullptr;           ///< `Command2(5)`, "ＯＫ": close
};

/// The code registration window: edits the definitions of the pictograph
/// definition file. Modeless; it reads the file when created and deletes
/// itself on closing, so every opening starts from the file. The close box,
/// "ＯＫ" and ESC close it through the close question of maybeSave(). It
/// hands the symbol the user puts into the body out through symbolChosen.
class RegistrationWindow : public QWidget {
    Q_OBJECT
public:
    /// Builds the window over `parent` and loads the definitions of
    /// `definitionFile`.
    RegistrationWindow(Dialogs &dialogs, const QString &definitionFile, QWidget *parent);

    RegistrationControls &ui() { return c_; }
    /// The definitions as the window holds them.
    const DefinitionListModel &definitions() const { return model_; }
    /// True after a change that has not been saved or discarded.
    bool hasUnsavedChanges() const { return model_.isModified(); }

    /// The close question: offers to save unsaved changes. Returns false
    /// when the window must stay open (Cancel, or a failed save); No is the
    /// user's choice to drop the changes when the window closes.
    bool maybeSave();

signals:
    /// The user put a definition's symbol into the mail's body.
    void symbolChosen(const QString &symbol);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void layOutControls();
    void connectHandlers();
    void loadDefinitions();
    void showCount();
    /// The selected row, or -1 when no entry is selected.
    int selectedRow() const;
    /// Selects a row, which loads its entry into the two fields.
    void selectEntry(int row);
    void loadEntry(int row);

    void chooseSelectorValue(int value);
    void keepOneSymbol();
    void keepOneLine(QLineEdit *field);
    void registerEntry();
    void deleteEntry();
    void sortEntries();
    void moveEntry(int step);
    void putIntoBody();
    void findSymbol();
    void findKeyword();
    /// Writes the file and shows the count; reports a failed write and
    /// returns false.
    bool save();
    void discardAndClose();

    Dialogs &dialogs_;
    const QString definitionFile_;
    DefinitionListModel model_;
    RegistrationControls c_;
};
