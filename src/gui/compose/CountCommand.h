#pragma once

struct ComposeContext;

/// The count command: the limited count of the body, a character at a time
/// with events processed between them; shows its progress on the count
/// button (in the window title while minimized) and reports the result in a
/// message box, both silent while the AutoCount flag is on. The count label
/// shows the result. Not started again while a run is going.
void countCommand(ComposeContext &c);

/// Shows the count command's progress in percent; -1 means finished and
/// puts the button's caption and the window title back.
void showProgress(ComposeContext &c, int progress);
