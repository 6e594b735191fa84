#pragma once

class QObject;
struct HandoffContext;

/// Connects the send and draft commands, the signature, the sending options
/// and the draft and log reader; the connections live as long as `owner`.
void connectHandoffCommands(HandoffContext &h, QObject *owner);
