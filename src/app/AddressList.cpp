#include "app/AddressList.h"

#include "addressbook/AddressBookFile.h"
#include "addressbook/CarrierDomain.h"
#include "app/MainWindow.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"

#include <QComboBox>
#include <QLineEdit>

void fillAddressList(MainWindow &w)
{
    MainControls &c = w.ui();
    for (const QString &line : textfile::readLines(w.programFile(programfiles::addressBook))) {
        if (const std::optional<addressbook::AddressListItem> item = addressbook::addressListItemOfLine(line))
            addAddressListItem(w, *item);
    }
    c.toField->setCurrentIndex(-1);
    c.toField->setEditText(QString());
}

void addAddressListItem(MainWindow &w, const addressbook::AddressListItem &item)
{
    MainControls &c = w.ui();
    const int model = c.phoneModelList->findText(item.modelName, Qt::MatchExactly | Qt::MatchCaseSensitive);
    c.toField->addItem(item.text, std::max(model, 0));
}

namespace {

// Typing "@" at the end of the recipient offers the carrier's domain,
// selected so that typing on replaces it.
void completeDomain(MainWindow &w, const QString &text)
{
    if (!text.endsWith(u'@'))
        return;
    QLineEdit *edit = w.ui().toField->lineEdit();
    const QString domain = carrierMailDomain();
    edit->setText(text + domain);
    edit->setSelection(static_cast<int>(text.size()), static_cast<int>(domain.size()));
}

void chooseEntry(MainWindow &w, int index)
{
    MainControls &c = w.ui();
    if (index < 0)
        return;
    if (c.phoneModelList->currentIndex() < 0)
        c.phoneModelList->setCurrentIndex(0);
    else
        c.phoneModelList->setCurrentIndex(c.toField->itemData(index).toInt());
}

} // namespace

void connectAddressField(MainWindow &w)
{
    QComboBox *to = w.ui().toField;
    QObject::connect(to, &QComboBox::editTextChanged, &w, [&w](const QString &text) { completeDomain(w, text); });
    QObject::connect(to, &QComboBox::activated, &w, [&w](int index) { chooseEntry(w, index); });
}
