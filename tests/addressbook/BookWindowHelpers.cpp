#include "addressbook/BookWindowHelpers.h"

#include "gui/addressbook/AddressBookWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

QStringList toListItems(const MainWindowControls &c)
{
    QStringList items;
    for (int i = 0; i < c.toField->count(); ++i)
        items.append(c.toField->itemText(i) + u'#' + QString::number(c.toField->itemData(i).toInt()));
    return items;
}

QStringList entryLines(AddressBookWindow &book)
{
    QStringList lines;
    for (int i = 0; i < book.ui().entryList->count(); ++i)
        lines.append(book.ui().entryList->item(i)->text());
    return lines;
}

void typeInto(QLineEdit *field, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(field, &press);
    }
}

AddressBookWindow &openMyAdr(WindowHarness &h)
{
    h.ui().addressBookButton->click();
    AddressBookWindow *book = h.addressBook();
    EXPECT_NE(book, nullptr);
    return *book;
}

AddressBookWindow &startWithMyAdr(WindowHarness &h, const QString &bookText)
{
    h.folder.writeText(kAddrBook, bookText);
    EXPECT_TRUE(h.start());
    return openMyAdr(h);
}

ScriptedDialogs &expectExport(WindowHarness &h, const QString &group, const QString &offered)
{
    return h.dialogs
        .expectMessage(u"Beckyエクスポート"_qs, u"MYアドレス帳をベッキーのアドレス帳に追加しますか？"_qs,
                       Dialogs::Buttons::YesNo, Dialogs::Icon::None, Dialogs::Answer::Yes)
        .expectInput(u"グループ名指定"_qs, u"Beckyのアドレス帳で使用するグループ名を指定してください。"_qs, group, offered);
}

ScriptedDialogs &expectOverwrite(WindowHarness &h, Dialogs::Answer answer)
{
    return h.dialogs.expectMessage(u"上書き確認"_qs,
                                   u"そのグループ名は、既に存在します。上書きしますか？\r\n"
                                   u"※注意:上書きしてしまうと既存のデータは、消えてしまいます。"_qs,
                                   Dialogs::Buttons::YesNo, Dialogs::Icon::None, answer);
}

void writeBeckyBook(WindowHarness &h, const QString &name, const QString &text)
{
    // The harness keeps Becky's data folder under its program folder.
    QDir(h.folder.path()).mkpath(u"becky/AddrBook"_qs);
    h.folder.writeText(u"becky/AddrBook/"_qs + name, text);
}

ScriptedDialogs &expectSaveQuestion(WindowHarness &h, Dialogs::Answer answer)
{
    return h.dialogs.expectMessage(u"アドレス帳保存"_qs, u"アドレス帳に変更があります。保存しますか？"_qs,
                                   Dialogs::Buttons::YesNoCancel, Dialogs::Icon::None, answer);
}
