#include "core/app/PresetFile.h"
#include "core/platform/SettingsFormat.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace settingsformat;

TEST(SettingsFormat, SplitsKeyAndValueSkippingTheSeparator)
{
    EXPECT_EQ(splitLine(u"Font:15"_qs)->key, u"Font"_qs);
    EXPECT_EQ(splitLine(u"Font:15"_qs)->value, u"15"_qs);
    EXPECT_EQ(splitLine(u"Snam="_qs)->value, QString());
    EXPECT_FALSE(splitLine(u"Font"_qs));
}

TEST(SettingsFormat, ConvertsValues)
{
    EXPECT_EQ(parseInt16(u" 250 "_qs), 250);
    EXPECT_EQ(parseInt16(u"2.5"_qs), 2);  // halves to even
    EXPECT_EQ(parseInt16(u"3.5"_qs), 4);
    EXPECT_FALSE(parseInt16(u"40000"_qs));
    EXPECT_FALSE(parseInt16(u"abc"_qs));
    EXPECT_EQ(parseBoolean(u"True"_qs), true);
    EXPECT_EQ(parseBoolean(u"false"_qs), false);
    EXPECT_EQ(parseBoolean(u"-1"_qs), true);
    EXPECT_EQ(parseBoolean(u"0"_qs), false);
    EXPECT_FALSE(parseBoolean(u"yes"_qs));
}

TEST(SettingsFormat, WindowSizesOutsideTheRangeGiveNothing)
{
    struct Row {
        const char16_t *text;
        std::optional<int> size;
    };
    const Row rows[] = {
        {u"5000", 5000},      {u"7455.9", 7455},  {u"1440", 1440},        {u"20000.5", 20000},
        {u"1439.9", {}},      {u"20001", {}},     {u"0", {}},             {u"-5000", {}},
        {u"1e10", {}},        {u"-1e300", {}},    {u"1e400", {}},         {u"nan", {}},
        {u"inf", {}},         {u"", {}},          {u"5000 twips", {}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(parseSize(QString::fromUtf16(row.text), 1440, 20000), row.size) << QString::fromUtf16(row.text).toStdString();
}

TEST(SettingsFormat, WritesSinglesWithSevenDigitsAtMost)
{
    EXPECT_EQ(formatSingle(6990), u"6990"_qs);
    EXPECT_EQ(formatSingle(7455.5), u"7455.5"_qs);
    EXPECT_EQ(formatSingle(1.0 / 3.0), u"0.3333333"_qs);
    EXPECT_EQ(formatSingle(123456789), u"123456792"_qs); // the float's own value, no exponent
    EXPECT_EQ(formatBoolean(true), u"True"_qs);
}

TEST(PresetFile, ReadsTheCodeFromTheLastFourCharacters)
{
    TestFolder dir;
    dir.writeText(u"Keitai.pre"_qs, u"X#0809\r\n#1010\r\nplain line\r\nA#B#0606\r\n"_qs);
    const QList<PhoneModel> models = presetfile::read(dir.file(u"Keitai.pre"_qs));
    ASSERT_EQ(models.size(), 3);
    EXPECT_EQ(models[0], (PhoneModel{u"X"_qs, 809}));
    EXPECT_EQ(models[1], (PhoneModel{QString(), 1010}));
    EXPECT_EQ(models[2], (PhoneModel{u"A#B"_qs, 606}));
    EXPECT_TRUE(presetfile::read(dir.file(u"missing.pre"_qs)).isEmpty());
}

const QString kNamePrompt = u"機種名を入れてください"_qs;
const QString kSizePrompt = u"その携帯の表示できる桁数行数を続けて入力してください。\r\n※例　8桁9行の場合は、0809"_qs;

TEST(PresetFile, AddsAModelWithDefaults)
{
    TestFolder dir;
    dir.writeText(u"Keitai.pre"_qs, u"X#0809\r\n"_qs);
    ScriptedDialogs dialogs;
    dialogs.expectInput(u"機種名"_qs, kNamePrompt, QString(), u"不明"_qs)
        .expectInput(u"機種名"_qs, kSizePrompt, u"0"_qs, u"0809"_qs);
    const auto model = presetfile::addPreset(dialogs, dir.file(u"Keitai.pre"_qs));
    ASSERT_TRUE(model);
    EXPECT_EQ(*model, (PhoneModel{u"不明"_qs, 809}));
    EXPECT_EQ(dir.readText(u"Keitai.pre"_qs), u"X#0809\r\n不明#0809\r\n"_qs);
}

TEST(PresetFile, CancelOnEitherQuestionAddsNothing)
{
    for (const bool atName : {true, false}) {
        TestFolder dir;
        dir.writeText(u"Keitai.pre"_qs, u"X#0809\r\n"_qs);
        ScriptedDialogs dialogs;
        dialogs.expectInput(u"機種名"_qs, kNamePrompt, atName ? std::nullopt : std::optional<QString>(u"SO"_qs));
        if (!atName)
            dialogs.expectInput(u"機種名"_qs, kSizePrompt, std::nullopt);
        EXPECT_FALSE(presetfile::addPreset(dialogs, dir.file(u"Keitai.pre"_qs)));
        EXPECT_EQ(dir.readText(u"Keitai.pre"_qs), u"X#0809\r\n"_qs);
    }
}

TEST(PresetFile, RefusesSizesTheVerticalLayoutCannotUse)
{
    TestFolder dir;
    ScriptedDialogs dialogs;
    const QString refusal = u"縦書きには、5桁以上・1行以上の画面が必要です。\r\n例　8桁9行の場合は、0809"_qs;
    dialogs.expectInput(u"機種名"_qs, kNamePrompt, u"Tiny"_qs)
        .expectInput(u"機種名"_qs, kSizePrompt, u"0409"_qs)
        .expectMessage(u"機種名"_qs, refusal, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectInput(u"機種名"_qs, kSizePrompt, u"1000"_qs)
        .expectMessage(u"機種名"_qs, refusal, Dialogs::Buttons::Ok, Dialogs::Icon::None)
        .expectInput(u"機種名"_qs, kSizePrompt, u"words"_qs); // not a number: 0809
    const auto model = presetfile::addPreset(dialogs, dir.file(u"Keitai.pre"_qs));
    ASSERT_TRUE(model);
    EXPECT_EQ(dir.readText(u"Keitai.pre"_qs), u"Tiny#0809\r\n"_qs);
}

} // namespace
