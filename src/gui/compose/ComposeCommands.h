#pragma once

class QObject;
struct ComposeContext;

/// Connects the body and subject fields, the limit flags, the i-mode
/// setting, the preview panel and the compose commands (count, filters,
/// vertical layout) to their handlers; the connections live as long as
/// `owner`. Ends by applying the selected phone model.
void connectComposeCommands(ComposeContext &c, QObject *owner);

/// Starts a new mail: empty subject and body, no pictographs used, nothing
/// modified; the To field stays. Emptying the subject and the body is one
/// step of each field's undo history.
void startNewMail(ComposeContext &c);

/// The question before another mail replaces an edited, non-empty body
/// ("保存した？"); false when the user keeps the mail.
bool mayReplaceEditedMail(ComposeContext &c);
