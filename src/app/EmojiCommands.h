#pragma once

class MainWindow;

/// Connects what makes pictographs and unsendable characters visible: the
/// pictograph font behind the main window's fonts, the marks of characters
/// code page 932 cannot hold and their number in the count label's tool
/// tip, and the code menu's palette and replacement commands.
void connectEmojiCommands(MainWindow &w);

/// The offer to replace the unsendable characters of the subject and the
/// body before the send or draft command goes on. Returns false when the
/// user goes back to editing; the fields hold the accepted replacements.
bool offerSendableText(MainWindow &w);
