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
    script_.append({false, title, text, buttons, icon, answer, {}, {}, {}});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::expectInput(const QString &title, const QString &prompt,
                                              const std::optional<QString> &answer,
                                              const QString &expectedDefault)
{
    script_.append({true, title, prompt, Buttons::OkCancel, Icon::None, Answer::Ok, answer,
                    expectedDefault, {}});
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

Dialogs::Answer ScriptedDialogs::message(const QString &text, const QString &title,
                                         Buttons buttons, Icon icon)
{
    if (script_.isEmpty() || script_.first().isInput) {
        ADD_FAILURE() << "unexpected message box: [" << title.toStdString() << "] "
                      << text.toStdString();
        // The box closed unanswered.
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    const Box box = script_.takeFirst();
    EXPECT_EQ(box.title.toStdString(), title.toStdString());
    EXPECT_EQ(box.text.toStdString(), text.toStdString());
    EXPECT_EQ(box.buttons, buttons) << "buttons of [" << title.toStdString() << "]";
    EXPECT_EQ(box.icon, icon) << "icon of [" << title.toStdString() << "]";
    if (box.action)
        box.action();
    return box.answer;
}

std::optional<QString> ScriptedDialogs::input(const QString &prompt, const QString &title,
                                              const QString &defaultText)
{
    if (script_.isEmpty() || !script_.first().isInput) {
        ADD_FAILURE() << "unexpected input box: [" << title.toStdString() << "] "
                      << prompt.toStdString();
        return std::nullopt; // the box closed unanswered
    }
    const Box box = script_.takeFirst();
    EXPECT_EQ(box.title.toStdString(), title.toStdString());
    EXPECT_EQ(box.text.toStdString(), prompt.toStdString());
    if (!box.expectedDefault.isNull()) {
        EXPECT_EQ(box.expectedDefault.toStdString(), defaultText.toStdString());
    }
    if (box.action)
        box.action();
    return box.inputAnswer;
}
