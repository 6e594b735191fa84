#pragma once

#include <QWidget>

#include <array>

class Dialogs;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

/// The controls of the code registration window under their program names.
struct RegistrationControls {
    QGroupBox *Frame1 = nullptr;               ///< "コード登録"
    QLineEdit *Text1 = nullptr;                ///< symbol field, one character
    QScrollBar *HScroll1 = nullptr;            ///< pictograph selector, 0 to 206
    QLabel *Label1 = nullptr;                  ///< "記号" + selector value; a click finds the symbol
    QLineEdit *Text2 = nullptr;                ///< keyword field
    QLabel *Label2 = nullptr;                  ///< "： キーワード"; a click finds the keyword
    QPushButton *Command1 = nullptr;           ///< "登録"
    QListWidget *List1 = nullptr;              ///< the definitions, keyword + TAB TAB + symbol
    std::array<QPushButton *, 2> Command4{};   ///< "▲", "▼"
    std::array<QPushButton *, 6> Command2{};   ///< delete, sort, into body, save, cancel, OK
};

/// The code registration window: edits the definitions of the pictograph
/// definition file. Modeless; it reads the file when created and deletes
/// itself on closing, so every opening starts from the file. It hands the
/// symbol the user puts into the body out through symbolChosen.
class RegistrationWindow : public QWidget {
    Q_OBJECT
public:
    /// Builds the window over `parent` and loads the definitions of
    /// `definitionFile`.
    RegistrationWindow(Dialogs &dialogs, const QString &definitionFile, QWidget *parent);

    RegistrationControls &ui() { return c_; }
    /// True after a change that has not been saved or discarded.
    bool hasUnsavedChanges() const { return changed_; }

    /// The close question: offers to save unsaved changes. Returns false
    /// when the window must stay open (Cancel, or a failed save); No is the
    /// user's choice to drop the changes when the window closes.
    bool maybeSave();

signals:
    /// The user put a definition's symbol into the mail's body.
    void symbolChosen(const QString &symbol);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    void loadDefinitions();
    void showCount();
    QStringList entries() const;
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
    RegistrationControls c_;
    bool changed_ = false;
};
