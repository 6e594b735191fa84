#pragma once

#include "core/platform/Dialogs.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

/// Dialogs for tests: each box the code opens must be the next one scripted,
/// with the same title, text, button set and icon; it gets the scripted
/// answer. A box that was not expected, or one left unshown at the end,
/// fails the test. File choosers are scripted the same way.
class ScriptedDialogs : public Dialogs {
public:
    ~ScriptedDialogs() override;

    /// Expects a message box with these buttons and icon and answers it; the
    /// answer must be one of the box's buttons.
    ScriptedDialogs &expectMessage(const QString &title, const QString &text, Buttons buttons,
                                   Icon icon, Answer answer = Answer::Ok);
    /// Expects an input box and answers it: OK with the text, or Cancel
    /// with std::nullopt (an empty text is an empty OK).
    ScriptedDialogs &expectInput(const QString &title, const QString &prompt,
                                 const std::optional<QString> &answer,
                                 const QString &expectedDefault = QString());
    /// Expects a file chooser and answers it with a path, or nothing for a
    /// cancel.
    ScriptedDialogs &expectFileChoice(const QString &title, const std::optional<QString> &answer);
    /// Runs `action` when the next expected box is shown, before answering
    /// (to look at the window while the box is open).
    ScriptedDialogs &whileShown(std::function<void()> action);

    /// Fails the test for every scripted box not shown yet, then forgets them.
    void verifyAllShown();

    Answer message(const QString &text, const QString &title, Buttons buttons,
                   Icon icon) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    std::optional<QString> chooseFile(const QString &title,
                                      const QStringList &nameFilters) override;

private:
    enum class Kind { Message, Input, FileChooser };
    struct Box {
        Kind kind;
        QString title;
        QString text;
        Buttons buttons;
        Icon icon;
        Answer answer;
        std::optional<QString> inputAnswer;
        QString expectedDefault;
        std::optional<QString> fileAnswer;
        std::function<void()> action;
    };
    /// Takes the next scripted box, which must be of `kind` and carry
    /// `title`; a missing or different box fails the test and gives nothing.
    std::optional<Box> takeNext(Kind kind, const QString &title, const QString &text);

    QList<Box> script_;
};
