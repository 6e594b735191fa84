#pragma once

#include "core/pictograph/Definitions.h"

namespace definitions {

/// Replaces "Emoji.code" at `path` with the list, one line per definition
/// (symbol, TAB, keyword, CR LF), in code page 932. The file is created when
/// missing; a failed write leaves the previous file as it was and returns
/// false.
bool write(const QString &path, const QList<Definition> &list);

} // namespace definitions
