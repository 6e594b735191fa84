#pragma once

#include <QObject>
#include <QString>

class BodyEdit;
class Dialogs;
class EditedMail;
class PictographSlots;
class QLabel;
class QLineEdit;
class QWidget;
class RegistrationWindow;
struct MainControls;

/// The code menu: the registration window, the keyword commands on the
/// body, the pictograph entries and the palette, and the replacement of
/// characters code page 932 lacks (from the menu, and before a send).
class CodeMenuCommands : public QObject {
    Q_OBJECT
public:
    /// What the commands work on.
    struct Context {
        Dialogs &dialogs;
        /// "Emoji.code".
        QString definitionFile;
        PictographSlots &pictographs;
        /// The used-pictograph list and the signature.
        EditedMail &mail;
        BodyEdit *body;
        QLineEdit *subject;
        QLineEdit *to;
        /// Shows in its tool tip how many characters would go out as "?".
        QLabel *countLabel;
    };

    /// Connects the code menu's entries of `controls`; child windows open
    /// over `window`.
    CodeMenuCommands(Context context, MainControls &controls, QWidget *window);

    /// Fills the pictograph entries from "Emoji.code" (at most 20).
    void fillPictographMenu();
    /// Puts pictograph entry `slot` into the body at the caret; an entry
    /// without a definition does nothing.
    void insertPictograph(int slot);
    /// "置換": keywords become their pictographs.
    void substituteKeywords();
    /// Before a send or draft: offers replacements for the characters of the
    /// To field, the subject, the body and, with `withSignature`, the
    /// signature that code page 932 cannot hold. False when the user goes
    /// back to editing rather than send them as "?".
    bool offerSendableText(bool withSignature);

    /// The shown code registration window, or nullptr.
    RegistrationWindow *registrationWindow() const;
    /// Opens the registration window, or brings the shown one to the front.
    RegistrationWindow *openRegistrationWindow();

private:
    void putIntoBody(const QString &symbol);
    void restoreKeywords();
    void checkKeywords();
    void openPalette();
    void replaceUnsendable();

    Context c_;
    MainControls &controls_;
    QWidget *window_;
};
