#pragma once

#include <QString>

#include <optional>

/// Value conversions of the settings file "Horo.ini".
namespace settingsformat {

/// A setting line split into its four-character key and its value (the
/// fifth character, normally "=", is skipped whatever it is). Lines shorter
/// than five characters have no value and give nothing.
struct Line {
    QString key;
    QString value;
};
std::optional<Line> splitLine(const QString &line);

/// A decimal number (surrounding spaces allowed); nothing when the text is
/// not one.
std::optional<double> parseNumber(const QString &text);

/// A whole number, rounded to the nearest (halves to even), within the
/// 16-bit range; nothing otherwise.
std::optional<int> parseInt16(const QString &text);

/// A window dimension in twips: a number from `minimum` to `maximum`, its
/// fraction dropped; nothing for other text and for a size outside that
/// range (so no value, however large, is converted out of range).
std::optional<int> parseSize(const QString &text, int minimum, int maximum);

/// "True"/"False" in any letter case, or a number (non-zero is true).
std::optional<bool> parseBoolean(const QString &text);

/// A 32-bit float in plain decimal with at most seven significant digits.
QString formatSingle(double value);

/// "True" or "False".
QString formatBoolean(bool value);

} // namespace settingsformat
