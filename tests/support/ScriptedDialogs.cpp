#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs::~ScriptedDialogs() { verifyAllShown(); }

namespace {

bool answerFits(Dialogs::Buttons buttons, Dialogs::Answer answer)
{
    using B = Dialogs::Buttons;
    using A = Dialogs::Answer;
    switch (buttons) {
    case B::Ok: return answer == A::Ok;
    case B::OkCancel: return answer == A::Ok || answer == A::Cancel;
    case B::YesNo: return answer == A::Yes || answer == A::No;
    case B::YesNoCancel: return answer == A::Yes || answer == A::No || answer == A::Cancel;
    }
    return false;
}

} // namespace

ScriptedDialogs &ScriptedDialogs::expectMessage(const QString &title, const QString &text,
                                                Buttons buttons, Icon icon, Answer answer)
{
    if (!answerFits(buttons, answer))
        ADD_FAILURE() << "scripted answer is not a button of the box: [" << title.toStdString()
                      << "] " << text.toStdString();
    script_.append({Kind::Message, title, text, buttons, icon, answer, {}, {}, {}, {}});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::expectInput(const QString &title, const QString &prompt,
                                              const std::optional<QString> &answer,
                                              const QString &expectedDefault)
{
    script_.append({Kind::Input, title, prompt, Buttons::OkCancel, Icon::None, Answer::Ok, answer,
                    expectedDefault, {}, {}});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::expectFileChoice(const QString &title,
                                                   const std::optional<QString> &answer)
{
    script_.append({Kind::FileChooser, title, {}, Buttons::OkCancel, Icon::None, Answer::Ok, {}, {},
                    answer, {}});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::whileShown(std::function<void()> action)
{
    if (script_.isEmpty())
        ADD_FAILURE() << "whileShown() needs an expected box before it";
    else
        script_.last().action = std::move(action);
    return *this;
}

void ScriptedDialogs::verifyAllShown()
{
    for (const Box &box : script_)
        ADD_FAILURE() << "expected box never shown: [" << box.title.toStdString() << "] "
                      << box.text.toStdString();
    script_.clear();
}

std::optional<ScriptedDialogs::Box> ScriptedDialogs::takeNext(Kind kind, const QString &title,
                                                              const QString &text)
{
    if (script_.isEmpty() || script_.first().kind != kind) {
        const char *what = kind == Kind::Message ? "message box" : kind == Kind::Input ? "input box" : "file chooser";
        ADD_FAILURE() << "unexpected " << what << ": [" << title.toStdString() << "] " << text.toStdString();
        return std::nullopt;
    }
    Box box = script_.takeFirst();
    EXPECT_EQ(box.title.toStdString(), title.toStdString());
    EXPECT_EQ(box.text.toStdString(), text.toStdString());
    if (box.action)
        box.action();
    return box;
}

Dialogs::Answer ScriptedDialogs::message(const QString &text, const QString &title,
                                         Buttons buttons, Icon icon)
{
    const std::optional<Box> box = takeNext(Kind::Message, title, text);
    if (!box)
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    EXPECT_EQ(box->buttons, buttons) << "buttons of [" << title.toStdString() << "]";
    EXPECT_EQ(box->icon, icon) << "icon of [" << title.toStdString() << "]";
    return box->answer;
}

std::optional<QString> ScriptedDialogs::input(const QString &prompt, const QString &title,
                                              const QString &defaultText)
{
    const std::optional<Box> box = takeNext(Kind::Input, title, prompt);
    if (!box)
        return {};
    if (!box->expectedDefault.isNull()) {
        EXPECT_EQ(box->expectedDefault.toStdString(), defaultText.toStdString());
    }
    return box->inputAnswer;
}

std::optional<QString> ScriptedDialogs::chooseFile(const QString &title, const QStringList &)
{
    const std::optional<Box> box = takeNext(Kind::FileChooser, title, {});
    return box ? box->fileAnswer : std::nullopt;
}
