#pragma once

#include <QString>

class Dialogs;
class KeywordBody;

/// The keyword commands of the code menu, on the body and the definition
/// file they are given.
namespace keywordcommands {

/// "置換": every backslash-escaped keyword of the selection (or of the whole
/// body) becomes its pictograph. Returns false when the definition file is
/// missing (reported to the user) and nothing was converted.
bool substituteKeywords(KeywordBody &body, Dialogs &dialogs, const QString &definitionFile);

/// "絵文字消去": every pictograph of the selection (or of the whole body)
/// becomes its bare keyword. Returns false as substituteKeywords does.
bool restoreKeywords(KeywordBody &body, Dialogs &dialogs, const QString &definitionFile);

/// "絵文字チェック": finds the keywords in the body and offers to replace
/// each occurrence by its pictograph. Returns the pictographs put in, in
/// order.
QString checkKeywords(KeywordBody &body, Dialogs &dialogs, const QString &definitionFile);

} // namespace keywordcommands
