#pragma once

#include <QObject>
#include <QString>

class AccountModel;
class BeckySetup;
class Dialogs;
class QAction;
class QWidget;

/// The help menu: about, the readme and the reset of the settings.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    /// What the commands work with.
    struct Context {
        Dialogs &dialogs;
        /// The user documentation "readme.txt".
        QString readme;
        QString programFolder;
        /// The reset finds Becky again for the accounts.
        BeckySetup &becky;
        AccountModel &accounts;
    };

    /// Connects the entries; the readme window opens over `window`.
    HelpCommands(Context context, QAction *about, QAction *readme, QAction *reset, QWidget *window);

    void showAbout();
    /// Shows the readme in the program's own read-only window (one for the
    /// program, brought to the front again); nothing when the file is gone.
    void showReadme();
    /// "再設定": after two questions, deletes the stored settings (and, when
    /// the user says so, the address book and the log), then finds Becky
    /// again with the own address unknown.
    void resetSettings();

signals:
    /// The reset refilled the accounts: the stored choices are to be shown again.
    void accountsRefilled();

private:
    void deleteStoredState();

    Context c_;
    QWidget *window_;
};
