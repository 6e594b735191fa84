#pragma once

class MainWindow;

/// The signature button "署名": switches the signature on or off, confirms
/// the stored signature, and asks for a new one when none is stored.
void signatureCommand(MainWindow &w);
