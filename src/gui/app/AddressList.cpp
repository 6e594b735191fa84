#include "gui/app/AddressList.h"

#include "core/addressbook/AddressBookFile.h"
#include "core/addressbook/CarrierDomain.h"
#include "core/app/AddressListModel.h"
#include "core/app/ProgramState.h"
#include "gui/app/MainWindow.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/TextFile.h"

#include <QComboBox>
#include <QHash>
#include <QLineEdit>

namespace {

// The index of the first phone model of each name.
QHash<QString, int> modelIndexesByName(const PhoneModelList &phones)
{
    QHash<QString, int> indexes;
    for (int i = static_cast<int>(phones.models().size()) - 1; i >= 0; --i)
        indexes.insert(phones.models()[i].name, i);
    return indexes;
}

} // namespace

void fillAddressList(MainWindow &w)
{
    MainControls &c = w.ui();
    const QHash<QString, int> models = modelIndexesByName(w.state().phones);
    AddressListModel::Entries entries;
    // Line by line from the decoded file: the lines are never all held at
    // once beside the entries made from them.
    textfile::forEachLine(textfile::read(w.programFile(programfiles::addressBook)), [&](QStringView line) {
        if (const std::optional<addressbook::AddressListItem> item = addressbook::addressListItemOfLine(line))
            entries.add(item->text, models.value(item->modelName, 0));
    });
    // One insertion instead of one per entry.
    qobject_cast<AddressListModel *>(c.toField->model())->append(entries);
    c.toField->setCurrentIndex(-1);
    c.toField->setEditText(QString());
}

void addAddressListItem(MainWindow &w, const addressbook::AddressListItem &item)
{
    MainControls &c = w.ui();
    const int model = w.state().phones.indexOf(item.modelName);
    const QString recipient = c.toField->currentText();
    const bool wasEmpty = c.toField->count() == 0;
    c.toField->addItem(item.text, std::max(model, 0));
    // An editable combo box selects the first item added to an empty list:
    // the recipient being typed stays.
    if (wasEmpty) {
        c.toField->setCurrentIndex(-1);
        c.toField->setEditText(recipient);
    }
}

void replaceAddressList(MainWindow &w, const QList<addressbook::AddressListItem> &items)
{
    MainControls &c = w.ui();
    const QString recipient = c.toField->currentText();
    const QHash<QString, int> models = modelIndexesByName(w.state().phones);
    AddressListModel::Entries entries;
    for (const addressbook::AddressListItem &item : items)
        entries.add(item.text, models.value(item.modelName, 0));
    c.toField->clear();
    qobject_cast<AddressListModel *>(c.toField->model())->append(entries);
    c.toField->setCurrentIndex(-1);
    c.toField->setEditText(recipient);
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
    if (index < 0)
        return;
    PhoneModelList &phones = w.state().phones;
    if (phones.currentRow() < 0)
        phones.setCurrentRow(0);
    else
        phones.setCurrentRow(w.ui().toField->itemData(index).toInt());
}

} // namespace

void connectAddressField(MainWindow &w)
{
    QComboBox *to = w.ui().toField;
    QObject::connect(to, &QComboBox::editTextChanged, &w, [&w](const QString &text) { completeDomain(w, text); });
    QObject::connect(to, &QComboBox::activated, &w, [&w](int index) { chooseEntry(w, index); });
}
