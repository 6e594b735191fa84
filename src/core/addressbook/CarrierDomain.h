#pragma once

#include <QString>

/// The carrier's name as it shows in its mail domain; an address book line
/// holding it is taken for an i-mode address.
inline QString carrierName() { return QStringLiteral("docomo"); }

/// The carrier's mail domain, without the at-sign: the domain of i-mode
/// addresses, proposed and completed wherever the program asks for one.
inline QString carrierMailDomain() { return carrierName() + QStringLiteral(".ne.jp"); }

/// "@" + the carrier's mail domain, the default text of address questions.
inline QString atCarrierMailDomain() { return u'@' + carrierMailDomain(); }
