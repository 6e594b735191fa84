#include "gui/addressbook/AddressBookWindow.h"
#include "gui/pictograph/RegistrationWindow.h"
#include "support/WindowHarness.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// What a screen reader says for a control.
QString spokenName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

void expectReadAsShown(QLabel *label)
{
    EXPECT_FALSE(label->text().isEmpty()) << label->objectName().toStdString();
    EXPECT_EQ(spokenName(label).toStdString(), label->text().toStdString()) << label->objectName().toStdString();
}

TEST(ScreenReader, MainWindowLabelsAreReadByTheirCurrentText)
{
    WindowHarness h;
    ASSERT_TRUE(h.start());
    h.state().command.pendingLimit = 11;
    h.ui().limitFlags[LimitFlag::CharacterLimit]->setChecked(true);
    h.setBody(u"あいうえおかきくけこさし"_qs); // past the limit: the warning line shows
    for (QLabel *label : {h.ui().countLabel, h.ui().limitStatusLabel, h.ui().signatureStatusLabel, h.ui().warningLabel, h.ui().mailCountsLabel})
        expectReadAsShown(label);
    EXPECT_TRUE(h.ui().countLabel->text().endsWith(u"(12)"_qs));
}

TEST(ScreenReader, ChildWindowLabelsAreReadByTheirCurrentText)
{
    WindowHarness h;
    h.folder.writeText(u"addr.adr"_qs, u"a@docomo.ne.jp\r\n"_qs);
    ASSERT_TRUE(h.start());
    h.ui().registrationEntry->trigger();
    RegistrationWindow *codes = h.window().findChild<RegistrationWindow *>();
    codes->ui().pictographSelector->setValue(12);
    expectReadAsShown(codes->ui().symbolLabel);
    EXPECT_EQ(codes->ui().symbolLabel->text(), u"記号012"_qs);
    codes->close();

    h.ui().addressBookButton->click();
    AddressBookWindow *book = h.addressBook();
    ASSERT_NE(book, nullptr);
    // Pointing at a button shows its hint in the hint label.
    QPushButton *newEntry = book->ui().newEntryButton;
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(newEntry, &enter);
    EXPECT_EQ(book->ui().hintLabel->text(), newEntry->toolTip());
    expectReadAsShown(book->ui().hintLabel);
    book->close();
}

} // namespace
