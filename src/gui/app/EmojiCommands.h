#pragma once

class MainWindow;

/// Connects what makes pictographs and unsendable characters visible: the
/// marks of the body's characters code page 932 cannot hold and their
/// number in the count label's tool tip, and the code menu's pictograph
/// palette and replacement commands.
void connectEmojiCommands(MainWindow &w);

/// Before a send or draft: offers replacements for the characters of the
/// To field, the subject, the body and, with `withSignature`, the stored
/// signature that code page 932 cannot hold. Returns false when the user
/// goes back to editing rather than send them as "?"; the fields and the
/// signature hold the replacements the user accepted either way, each
/// field's change one step of its undo history.
bool offerSendableText(MainWindow &w, bool withSignature);
