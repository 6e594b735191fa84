#pragma once

#include <QString>

class MainWindow;

/// Connects the body, the subject, the limit flags, the i-mode setting and
/// the vertical preview switch to their handlers.
void connectCountingHandlers(MainWindow &w);

/// Every change of the body: warning line, modified flag, preview, count label.
void onBodyChanged(MainWindow &w);

/// The limit check with its offer to cut the excess.
void checkBodyLimit(MainWindow &w);

/// A limit flag changed its value.
void onLimitFlagChanged(MainWindow &w, int index);

/// The i-mode setting changed its value.
void onImodeSettingChanged(MainWindow &w);

/// The vertical preview switch changed its value.
void onVerticalPreviewChanged(MainWindow &w);

/// Writes a text other than the plain body copy into the preview box.
void setPreviewText(MainWindow &w, const QString &bodyFormText);

/// Makes the preview box a copy of the body again (when the panel shows).
void refreshPreviewCopy(MainWindow &w);
