#pragma once

class MainWindow;

/// Fills the To field's list from the own address book "addr.adr": an entry
/// line shows as name + "<" + address + ">" with the index of its phone
/// model as item data; an address-only line shows as it is.
void fillAddressList(MainWindow &w);

/// Connects the To field: the carrier domain completion after "@" and the
/// choice of an address book entry, which selects the recipient's phone.
void connectAddressField(MainWindow &w);
