#pragma once

class MainWindow;

/// The draft command "草稿に保存(&S)": runs the send command in draft mode,
/// which writes the record to the account's draft mailbox without warnings,
/// signature, vertical layout, confirmation or log.
void saveDraft(MainWindow &w);
