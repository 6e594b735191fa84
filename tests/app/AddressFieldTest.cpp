#include "support/WindowHarness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(AddressField, CompletesTheCarrierDomainAfterAnAtSign)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    QLineEdit *to = h.ui().toField->lineEdit();
    QTest::keyClicks(to, u"taro@"_qs);
    EXPECT_EQ(to->text(), u"taro@docomo.ne.jp"_qs);
    EXPECT_EQ(to->selectedText(), u"docomo.ne.jp"_qs);
    QTest::keyClicks(to, u"x.jp"_qs); // typing replaces the offer
    EXPECT_EQ(to->text(), u"taro@x.jp"_qs);

    to->setText(u"a@b"_qs); // an at-sign inside the text offers nothing
    to->setCursorPosition(1);
    QTest::keyClicks(to, u"@"_qs);
    EXPECT_EQ(to->text(), u"a@@b"_qs);
}

TEST(AddressField, ChoosingAnEntrySelectsTheRecipientsPhone)
{
    WindowHarness h;
    h.folder.writeText(u"addr.adr"_qs, u"a@docomo.ne.jp\r\nb@docomo.ne.jp\t花子\tF501i\t.\t.\t.\r\n"_qs);
    ASSERT_TRUE(h.start());
    h.focusToField();
    QComboBox *to = h.ui().toField;
    to->setCurrentIndex(1);
    emit to->activated(1);
    EXPECT_EQ(h.ui().phoneModelList->currentIndex(), 2);
    EXPECT_EQ(to->currentText(), u"花子<b@docomo.ne.jp>"_qs);
    to->setCurrentIndex(0);
    emit to->activated(0);
    EXPECT_EQ(h.ui().phoneModelList->currentIndex(), 0);
}

// The first model of a name counts, also when a preset repeats a built-in
// name; an unknown name gives the first model.
TEST(AddressField, EntriesTakeTheFirstModelOfTheirName)
{
    WindowHarness h;
    h.folder.writeText(u"Keitai.pre"_qs, u"新機種#0810\r\nF501i#0811\r\n"_qs);
    h.folder.writeText(u"addr.adr"_qs, u"a@docomo.ne.jp\t太郎\t新機種\r\nb@docomo.ne.jp\t花子\tF501i\r\n"
                                       u"c@docomo.ne.jp\t次郎\tない機種\r\n"_qs);
    ASSERT_TRUE(h.start());
    h.focusToField();
    QComboBox *to = h.ui().toField;
    ASSERT_EQ(to->count(), 3);
    EXPECT_EQ(h.ui().phoneModelList->itemText(to->itemData(0).toInt()), u"新機種"_qs);
    EXPECT_EQ(to->itemData(1).toInt(), 2);
    EXPECT_EQ(to->itemData(2).toInt(), 0);
    EXPECT_EQ(to->currentText(), QString());
}

} // namespace
