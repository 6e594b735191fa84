#include "app/AddressList.h"

#include "addressbook/AddressBookFile.h"
#include "addressbook/CarrierDomain.h"
#include "app/MainWindow.h"
#include "platform/TextFile.h"

#include <QComboBox>
#include <QLineEdit>

void fillAddressList(MainWindow &w)
{
    MainControls &c = w.ui();
    for (const QString &line : textfile::readLines(w.programFile(u"addr.adr"_qs))) {
        if (const std::optional<addressbook::AddressListItem> item = addressbook::addressListItemOfLine(line))
            addAddressListItem(w, *item);
    }
    c.Combo1->setCurrentIndex(-1);
    c.Combo1->setEditText(QString());
}

void addAddressListItem(MainWindow &w, const addressbook::AddressListItem &item)
{
    MainControls &c = w.ui();
    const int model = c.Combo3->findText(item.modelName, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const QString recipient = c.Combo1->currentText();
    const bool wasEmpty = c.Combo1->count() == 0;
    c.Combo1->addItem(item.text, std::max(model, 0));
    // An editable combo box selects the first item added to an empty list:
    // the recipient being typed stays.
    if (wasEmpty) {
        c.Combo1->setCurrentIndex(-1);
        c.Combo1->setEditText(recipient);
    }
}

void replaceAddressList(MainWindow &w, const QList<addressbook::AddressListItem> &items)
{
    QComboBox *to = w.ui().Combo1;
    const QString recipient = to->currentText();
    to->clear();
    for (const addressbook::AddressListItem &item : items)
        addAddressListItem(w, item);
    to->setCurrentIndex(-1);
    to->setEditText(recipient);
}

namespace {

// Typing "@" at the end of the recipient offers the carrier's domain,
// selected so that typing on replaces it.
void completeDomain(MainWindow &w, const QString &text)
{
    if (!text.endsWith(u'@'))
        return;
    QLineEdit *edit = w.ui().Combo1->lineEdit();
    const QString domain = carrierMailDomain();
    edit->setText(text + domain);
    edit->setSelection(static_cast<int>(text.size()), static_cast<int>(domain.size()));
}

void chooseEntry(MainWindow &w, int index)
{
    MainControls &c = w.ui();
    if (index < 0)
        return;
    if (c.Combo3->currentIndex() < 0)
        c.Combo3->setCurrentIndex(0);
    else
        c.Combo3->setCurrentIndex(c.Combo1->itemData(index).toInt());
}

} // namespace

void connectAddressField(MainWindow &w)
{
    QComboBox *to = w.ui().Combo1;
    QObject::connect(to, &QComboBox::editTextChanged, &w, [&w](const QString &text) { completeDomain(w, text); });
    QObject::connect(to, &QComboBox::activated, &w, [&w](int index) { chooseEntry(w, index); });
}
