#pragma once

class QObject;
struct HandoffContext;

/// The signature button "署名": switches the signature on or off, confirms
/// the stored signature, and asks for a new one when none is stored. A
/// cancelled question keeps the stored signature; without one the
/// signature stays off.
void signatureCommand(HandoffContext &h);

/// The status label shows whether the signature is on.
void showSignature(HandoffContext &h, QObject *owner);
