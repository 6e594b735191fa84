#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// The message and input boxes and the file chooser of the program. Every
/// box goes through this seam so that tests can script the answers.
class Dialogs {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Critical, Exclamation, Information };
    enum class Answer { Ok, Cancel, Yes, No };

    /// The title of a box for which no title is given.
    static QString defaultTitle();

    virtual ~Dialogs() = default;

    /// A modal message box; returns the button pressed. Closing the box or
    /// ESC counts as Cancel (OK/Cancel, Yes/No/Cancel), or No for Yes/No.
    virtual Answer message(const QString &text, const QString &title = defaultTitle(),
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;

    /// A modal input box: the text answered with OK (possibly empty), or
    /// nothing when the user cancelled (the Cancel button, ESC, the close box).
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &defaultText) = 0;

    /// A modal file chooser for a file to open, offering `nameFilters`
    /// ("テキストファイル (*.txt)", ...), the first one chosen; nothing on
    /// Cancel.
    virtual std::optional<QString> chooseFile(const QString &title,
                                              const QStringList &nameFilters) = 0;

    /// Shorthands.
    bool askYesNo(const QString &text, const QString &title = defaultTitle(),
                  Icon icon = Icon::None)
    {
        return message(text, title, Buttons::YesNo, icon) == Answer::Yes;
    }
    void inform(const QString &text, const QString &title = defaultTitle(),
                Icon icon = Icon::None)
    {
        message(text, title, Buttons::Ok, icon);
    }
    /// The chooser of a text file to load into the body: text files first,
    /// all files available.
    std::optional<QString> chooseTextFile();
};
