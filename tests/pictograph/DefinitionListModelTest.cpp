#include "core/pictograph/DefinitionListModel.h"
#include "support/ScriptedDialogs.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace {

using Answer = Dialogs::Answer;
using Buttons = Dialogs::Buttons;
using Icon = Dialogs::Icon;
using Outcome = DefinitionListModel::Registration::Outcome;

const QString kSun = u"\uE63E"_qs;
const QString kCloud = u"\uE63F"_qs;
const QString kRain = u"\uE640"_qs;

QStringList keywords(const DefinitionListModel &model)
{
    QStringList list;
    for (const Definition &d : model.definitions())
        list.append(d.keyword);
    return list;
}

// Registering into hare (sun), ame (rain): each overlap question quotes the
// whole entry text, so a keyword matches in a symbol or a longer keyword
// too; No declines and names the entry, an equal keyword is refused, and
// what code page 932 cannot hold never enters the list.
TEST(DefinitionListModel, RegistrationAsksAboutEveryOverlapAndRefusesWhatTheFileCannotHold)
{
    const QString hare = u"hare\t\t"_qs + kSun;
    const QString ame = u"ame\t\t"_qs + kRain;
    struct Row {
        const char *what;
        Definition definition;
        int before;
        QList<QPair<QString, Answer>> questions; // overlapping entry, answer
        QString told;                             // the closing message, if any
        Outcome outcome;
        int row;
        QStringList after;
    };
    const QString cancelled = u"登録をキャンセルします。"_qs;
    const Row rows[] = {
        {"in both keywords", {kCloud, u"a"_qs}, -1, {{hare, Answer::Yes}, {ame, Answer::Yes}}, {},
         Outcome::Registered, 2, {u"hare"_qs, u"ame"_qs, u"a"_qs}},
        {"empty keyword", {kCloud, QString()}, -1, {{hare, Answer::Yes}, {ame, Answer::Yes}}, {},
         Outcome::Registered, 2, {u"hare"_qs, u"ame"_qs, QString()}},
        {"the symbol counts", {kCloud, kRain}, -1, {{ame, Answer::Yes}}, {}, Outcome::Registered, 2,
         {u"hare"_qs, u"ame"_qs, kRain}},
        {"before the selection", {kCloud, u"kumo"_qs}, 1, {}, {}, Outcome::Registered, 1,
         {u"hare"_qs, u"kumo"_qs, u"ame"_qs}},
        {"declined", {kCloud, u"me"_qs}, -1, {{ame, Answer::No}}, cancelled, Outcome::Declined, 1,
         {u"hare"_qs, u"ame"_qs}},
        {"same keyword", {kCloud, u"ame"_qs}, 0, {{ame, Answer::Yes}}, u"全く同じキーワードは、登録できません。"_qs,
         Outcome::Refused, -1, {u"hare"_qs, u"ame"_qs}},
        {"no symbol", {QString(), u"kumo"_qs}, -1, {},
         u"記号が入力されていません。登録する記号を１文字入力してください。"_qs, Outcome::Refused, -1,
         {u"hare"_qs, u"ame"_qs}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        DefinitionListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
        model.setDefinitions({{kSun, u"hare"_qs}, {kRain, u"ame"_qs}});
        ScriptedDialogs dialogs;
        for (const auto &[entry, answer] : r.questions)
            dialogs.expectMessage(Dialogs::defaultTitle(), u"キーワードが「"_qs + entry + u"」と重なっています。よろしいですか？"_qs,
                                  Buttons::YesNo, Icon::None, answer);
        if (!r.told.isEmpty())
            dialogs.expectMessage(Dialogs::defaultTitle(), r.told, Buttons::Ok, Icon::None);
        const DefinitionListModel::Registration done = model.registerDefinition(r.definition, r.before, dialogs);
        dialogs.verifyAllShown();
        EXPECT_EQ(done.outcome, r.outcome);
        EXPECT_EQ(done.row, r.row);
        EXPECT_EQ(keywords(model), r.after);
        EXPECT_EQ(model.isModified(), r.outcome == Outcome::Registered);
    }

    // The file is code page 932: a character it lacks would come back as "?".
    for (const auto &[definition, named] : {std::pair{Definition{u"\U0001F600"_qs, u"smile"_qs}, u"\U0001F600"_qs},
                                           std::pair{Definition{kSun, u"café"_qs}, u"é"_qs},
                                           std::pair{Definition{kSun, u"温\u00A0泉"_qs}, u"\u00A0"_qs}}) {
        DefinitionListModel model;
        ScriptedDialogs dialogs;
        dialogs.expectMessage(Dialogs::defaultTitle(),
                              u"「"_qs + named + u"」は、文字コードに保存できない文字です。登録できません。"_qs,
                              Buttons::Ok, Icon::Exclamation);
        EXPECT_EQ(model.registerDefinition(definition, -1, dialogs).outcome, Outcome::Refused);
        EXPECT_EQ(model.rowCount(), 0);
        EXPECT_FALSE(model.isModified());
    }
}

// A view follows every change (the tester checks the signals); deleting and
// sorting are changes to save, moving is not.
TEST(DefinitionListModel, DeleteMoveSortAndFindKeepTheViewInStep)
{
    DefinitionListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    model.setDefinitions({{kSun, u"kumo"_qs}, {kCloud, u"Hare"_qs}, {kRain, u"ame"_qs}});
    EXPECT_EQ(model.data(model.index(0)).toString(), u"kumo\t\t"_qs + kSun);
    EXPECT_EQ(model.data(model.index(1), DefinitionListModel::SymbolRole).toString(), kCloud);

    EXPECT_FALSE(model.moveDefinition(0, -1));
    EXPECT_FALSE(model.moveDefinition(2, 1));
    EXPECT_EQ(model.moveDefinition(0, 1), 1);
    EXPECT_EQ(model.moveDefinition(2, -1), 1);
    EXPECT_EQ(keywords(model), QStringList({u"Hare"_qs, u"ame"_qs, u"kumo"_qs}));
    EXPECT_FALSE(model.isModified());

    model.sortByKeyword();
    EXPECT_EQ(keywords(model), QStringList({u"ame"_qs, u"Hare"_qs, u"kumo"_qs}));
    EXPECT_TRUE(model.isModified());

    EXPECT_EQ(model.findKeyword(u"Hare"_qs), 1);
    EXPECT_FALSE(model.findKeyword(u"Har"_qs)); // a part of a keyword is not it
    EXPECT_EQ(model.findSymbol(kSun), 2);
    EXPECT_FALSE(model.findSymbol(u"x"_qs));

    model.setDefinitions(model.definitions()); // as after reading the file
    EXPECT_FALSE(model.isModified());
    EXPECT_FALSE(model.removeDefinition(3));
    EXPECT_TRUE(model.removeDefinition(0));
    EXPECT_EQ(keywords(model), QStringList({u"Hare"_qs, u"kumo"_qs}));
    EXPECT_TRUE(model.isModified());
}

} // namespace
