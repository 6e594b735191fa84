#pragma once

class BodyEdit;
class Dialogs;
class QLineEdit;

/// The offer to replace the characters of the subject and the body that
/// code page 932 cannot hold, before the send or draft command goes on.
/// Returns false when the user goes back to editing; the fields hold the
/// replacements the user accepted either way.
bool offerSendableText(QLineEdit &subject, BodyEdit &body, Dialogs &dialogs);
