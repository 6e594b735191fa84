#include "gui/handoff/AddressField.h"

#include "core/addressbook/AddressBookFile.h"
#include "core/addressbook/AddressListModel.h"
#include "core/addressbook/CarrierDomain.h"
#include "core/compose/PhoneModelList.h"
#include "core/platform/TextFile.h"
#include "gui/compose/ComposeContext.h"
#include "gui/handoff/HandoffContext.h"
#include "gui/platform/LineFields.h"

#include <QComboBox>
#include <QEvent>
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

AddressListModel &addressList(HandoffContext &h) { return *qobject_cast<AddressListModel *>(h.ui.toField->model()); }

// Typing "@" at the end of the recipient offers the carrier's domain,
// selected so that typing on replaces it.
void completeDomain(HandoffContext &h, const QString &text)
{
    if (!text.endsWith(u'@'))
        return;
    QLineEdit *edit = h.ui.toField->lineEdit();
    const QString domain = carrierMailDomain();
    edit->setText(text + domain);
    edit->setSelection(static_cast<int>(text.size()), static_cast<int>(domain.size()));
}

void chooseEntry(HandoffContext &h, int index)
{
    if (index < 0)
        return;
    PhoneModelList &phones = h.compose.phones;
    if (phones.currentRow() < 0)
        phones.setCurrentRow(0);
    else
        phones.setCurrentRow(h.ui.toField->itemData(index).toInt());
}

AddressListModel::Entries entriesOfBook(HandoffContext &h, const QString &bookPath)
{
    const QHash<QString, int> models = modelIndexesByName(h.compose.phones);
    AddressListModel::Entries entries;
    // Line by line from the decoded file: the lines are never all held at
    // once beside the entries made from them.
    textfile::forEachLine(textfile::read(bookPath), [&](QStringView line) {
        if (const std::optional<addressbook::AddressListItem> item = addressbook::addressListItemOfLine(line))
            entries.add(item->text, models.value(item->modelName, 0));
    });
    return entries;
}

// Reads the address book into the list if it is still waiting to be read;
// a recipient already typed stays.
void readPendingBook(HandoffContext &h)
{
    QComboBox *to = h.ui.toField;
    const QString typed = to->currentText();
    if (!addressList(h).readPending())
        return;
    // An editable combo box selects the first item added to an empty list.
    to->setCurrentIndex(-1);
    to->setEditText(typed);
}

// The book is read once the To field is first used: focus comes before
// typing, completion and opening the list, by mouse, wheel or keyboard.
class ReadBookOnFocus : public QObject {
public:
    ReadBookOnFocus(HandoffContext &h, QObject *parent) : QObject(parent), h_(h) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            readPendingBook(h_);
        return QObject::eventFilter(watched, event);
    }

private:
    HandoffContext &h_;
};

} // namespace

namespace addressfield {

void fill(HandoffContext &h, const QString &bookPath)
{
    addressList(h).setPending([&h, bookPath] { return entriesOfBook(h, bookPath); });
}

void add(HandoffContext &h, const addressbook::AddressListItem &item)
{
    readPendingBook(h);
    QComboBox *to = h.ui.toField;
    const QString recipient = to->currentText();
    const bool wasEmpty = to->count() == 0;
    to->addItem(item.text, std::max(h.compose.phones.indexOf(item.modelName), 0));
    // An editable combo box selects the first item added to an empty list:
    // the recipient being typed stays.
    if (wasEmpty) {
        to->setCurrentIndex(-1);
        to->setEditText(recipient);
    }
}

int indexOf(HandoffContext &h, const QString &text)
{
    readPendingBook(h);
    return h.ui.toField->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void replace(HandoffContext &h, const QList<addressbook::AddressListItem> &items)
{
    QComboBox *to = h.ui.toField;
    const QString recipient = to->currentText();
    const QHash<QString, int> models = modelIndexesByName(h.compose.phones);
    AddressListModel::Entries entries;
    for (const addressbook::AddressListItem &item : items)
        entries.add(item.text, models.value(item.modelName, 0));
    addressList(h).setPending({}); // the items are the whole book
    to->clear();
    addressList(h).append(entries);
    to->setCurrentIndex(-1);
    to->setEditText(recipient);
}

void addRecipient(HandoffContext &h, const QString &address)
{
    QLineEdit *to = h.ui.toField->lineEdit();
    const QString current = to->text();
    replaceLineText(to, current.isEmpty() ? address : current + u',' + address);
}

void connect(HandoffContext &h, QObject *owner)
{
    QComboBox *to = h.ui.toField;
    to->setModel(new AddressListModel(to));
    to->installEventFilter(new ReadBookOnFocus(h, to));
    QObject::connect(to, &QComboBox::editTextChanged, owner, [&h](const QString &text) { completeDomain(h, text); });
    QObject::connect(to, &QComboBox::activated, owner, [&h](int index) { chooseEntry(h, index); });
}

} // namespace addressfield
