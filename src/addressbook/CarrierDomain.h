#pragma once

#include <QString>

/// The carrier's mail domain, without the at-sign: the domain of i-mode
/// addresses, proposed and completed wherever the program asks for one.
inline QString carrierMailDomain() { return QStringLiteral("docomo.ne.jp"); }

/// "@" + the carrier's mail domain, the default text of address questions.
inline QString atCarrierMailDomain() { return u'@' + carrierMailDomain(); }
