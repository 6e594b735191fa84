#pragma once

#include "core/compose/Vertical.h"

#include <QString>
#include <QStringView>

#include <optional>

struct ComposeContext;

/// The vertical layout of the body for the selected phone model, or nothing
/// when the model is refused or the user stopped the text-view form.
///
/// A layout beyond the page budget asks "文字数オーバー" in the sending and
/// text-view forms: Yes cuts it, No stops the text-view form and lets the
/// sending form go on with the whole text. The preview form never asks (it
/// runs on every keystroke) and shows the whole layout.
///
/// A model whose screen cannot hold a layout (fewer than 5 columns or no
/// rows) is refused: the preview box shows a short note, the other forms a
/// message box, and the body stays as it is.
///
/// The refused preview note is written into the preview box here.
std::optional<QString> verticalLayout(ComposeContext &c, VerticalForm form);

/// Writes verticalLayout() into the preview box for VerticalForm::Preview,
/// into the body otherwise (one change of the body). Returns true when the
/// layout was written.
bool toVertical(ComposeContext &c, VerticalForm form);

/// Lays the body out vertically into the preview box.
void layOutVerticalPreview(ComposeContext &c);

/// The horizontal text of a layout. A layout without a page
/// separator is read with the selected model's geometry; when that model
/// cannot hold a layout, the user is told so and nothing is returned.
std::optional<QString> horizontalText(ComposeContext &c, QStringView layout);

/// "無理矢理横書き": the body becomes the horizontal text of its layout.
void bodyFromVertical(ComposeContext &c);

/// The vertical mode button: asks before switching on and
/// shows its notes, tells before switching off.
void toggleVerticalMode(ComposeContext &c);

/// Switches vertical mode without asking, and the vertical preview switch
/// with it.
void setVerticalMode(ComposeContext &c, bool on);

/// Shows vertical mode on its button: red while on.
void showVerticalMode(ComposeContext &c, bool on);
