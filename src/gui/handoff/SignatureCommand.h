#pragma once

struct HandoffContext;

/// The signature button "署名": switches the signature on or off, confirms
/// the stored signature, and asks for a new one when none is stored. A
/// cancelled question keeps the stored signature; without one the
/// signature stays off.
void signatureCommand(HandoffContext &h);

/// Switches the signature on or off and shows it in the status label.
void setSignatureOn(HandoffContext &h, bool on);
