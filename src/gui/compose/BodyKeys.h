#pragma once

class QKeyEvent;
struct ComposeContext;

/// A key pressed in the body: Ctrl+A selects all, Ctrl+S copies the body,
/// Ctrl+Enter sends, Ctrl+digit puts a pictograph in; Enter arms the
/// automatic substitution and runs the automatic count or the limit check.
/// Sets *swallow for the keys the field must not handle itself.
void onBodyKeyDown(ComposeContext &c, QKeyEvent *event, bool *swallow);

/// A key released in the body: the armed substitution runs, and the send
/// image follows when the preview panel shows it.
void onBodyKeyUp(ComposeContext &c);

/// The subject changed: a warning from its 15th character on.
void onSubjectChanged(ComposeContext &c);
