#pragma once

class MainWindow;

/// Connects what makes pictographs and unsendable characters visible: the
/// marks of the body's characters code page 932 cannot hold and their
/// number in the count label's tool tip, and the code menu's pictograph
/// palette and replacement commands.
void connectEmojiCommands(MainWindow &w);
