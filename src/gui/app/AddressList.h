#pragma once

#include <QList>

class MainWindow;

namespace addressbook {
struct AddressListItem;
}

/// Fills the To field's list from the own address book "addr.adr": an entry
/// line shows as name + "<" + address + ">" with the index of its phone
/// model as item data; an address-only line shows as it is.
void fillAddressList(MainWindow &w);

/// Appends an entry to the To field's list; its item data is the index of
/// the first phone model named as the entry's model, or 0 when none is.
/// The text of the To field stays.
void addAddressListItem(MainWindow &w, const addressbook::AddressListItem &item);

/// Replaces the To field's list; the recipient being typed stays.
void replaceAddressList(MainWindow &w, const QList<addressbook::AddressListItem> &items);

/// Connects the To field: the carrier domain completion after "@" and the
/// choice of an address book entry, which selects the recipient's phone.
void connectAddressField(MainWindow &w);
