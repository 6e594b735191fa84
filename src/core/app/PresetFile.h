#pragma once

#include "core/compose/PhoneModel.h"

#include <QList>
#include <QString>

#include <optional>

class Dialogs;

/// The phone-model preset file "Keitai.pre": one model per line, the name,
/// "#" and the code in four digits (X#0809).
namespace presetfile {

/// The models of the file in file order. Only lines that hold "#" count:
/// the code is the value of the last four characters, the name the line
/// without its last five.
QList<PhoneModel> read(const QString &path);

/// The line for a model: name + "#" + the code with at least four digits.
QString line(const PhoneModel &model);

/// Asks for a new model's name and display size and appends it to the file
/// (created when missing). A size the vertical layout cannot use (fewer
/// than 5 columns, or no rows) is refused and asked again. Returns the new
/// model; nothing when the user cancelled either question (the file stays
/// as it was) or the file could not be written (the user is told).
std::optional<PhoneModel> addPreset(Dialogs &dialogs, const QString &path);

} // namespace presetfile
