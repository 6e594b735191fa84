#pragma once

#include <QString>

struct ComposeContext;

/// The preview box as a mirror of the body: kept in step edit by edit while
/// the panel shows, replaced by other texts (send image, vertical layout)
/// on demand.

/// Applies an edit of the body field (field positions) to the mirror.
void followBodyEdit(ComposeContext &c, int position, int removed, int added);

/// After a change of the body: the vertical layout with the vertical preview
/// on, otherwise the mirror with its caret at the body's caret.
void updatePreview(ComposeContext &c);

/// Writes a text other than the plain body copy into the preview box.
void setPreviewText(ComposeContext &c, const QString &bodyFormText);

/// Makes the preview box a copy of the body again (unless the vertical
/// preview owns it outside the send command).
void refreshPreviewCopy(ComposeContext &c);

/// The vertical preview switch changed its value.
void onVerticalPreviewChanged(ComposeContext &c);
