#pragma once

class MainWindow;
class QAction;

/// Connects the send and draft commands, the signature, the sending options
/// and the draft and log reader.
void connectHandoffCommands(MainWindow &w);

/// Wires entry `index` of the sending-address list to its command.
void connectSendingAddress(MainWindow &w, QAction *entry, int index);

/// The send command.
void sendCommand(MainWindow &w);
