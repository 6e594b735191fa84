#pragma once

#include <QList>
#include <QString>

class QObject;
struct HandoffContext;

namespace addressbook {
struct AddressListItem;
}

/// The To field and its address list.
namespace addressfield {

/// Fills the address list from the own address book `bookPath`: an entry
/// line shows as name + "<" + address + ">" with the index of its phone
/// model; an address-only line shows as it is.
void fill(HandoffContext &h, const QString &bookPath);

/// Appends an entry to the address list; its phone model is the first one
/// named as the entry's model, or the first model when none is. The text of
/// the To field stays.
void add(HandoffContext &h, const addressbook::AddressListItem &item);

/// Replaces the address list; the recipient being typed stays.
void replace(HandoffContext &h, const QList<addressbook::AddressListItem> &items);

/// Puts an address into the To field, after a comma when it holds one
/// already.
void addRecipient(HandoffContext &h, const QString &address);

/// Connects the To field: the carrier domain completion after "@" and the
/// choice of an address list entry, which chooses the recipient's phone.
void connect(HandoffContext &h, QObject *owner);

} // namespace addressfield
