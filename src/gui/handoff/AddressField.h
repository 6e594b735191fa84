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

/// Fills the address list from the own address book `bookPath` once the To
/// field is first used, or an entry is added or looked up: an entry line
/// shows as name + "<" + address + ">" with the index of its phone model;
/// an address-only line shows as it is.
void fill(HandoffContext &h, const QString &bookPath);

/// Appends an entry to the address list; its phone model is the first one
/// named as the entry's model, or the first model when none is. The text of
/// the To field stays.
void add(HandoffContext &h, const addressbook::AddressListItem &item);

/// The row of the address list entry whose text is exactly `text` (the
/// book read first if it still waits); -1 when there is none.
int indexOf(HandoffContext &h, const QString &text);

/// Replaces the address list; the recipient being typed stays.
void replace(HandoffContext &h, const QList<addressbook::AddressListItem> &items);

/// Puts an address into the To field, after a comma when it holds one
/// already.
void addRecipient(HandoffContext &h, const QString &address);

/// Connects the To field: the carrier domain completion after "@", the
/// choice of an address list entry, which chooses the recipient's phone,
/// and the reading of the address book when the field is first used.
void connect(HandoffContext &h, QObject *owner);

} // namespace addressfield
