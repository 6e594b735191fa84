#include "core/platform/SettingsFormat.h"

#include <QLocale>

#include <cmath>

namespace settingsformat {

std::optional<Line> splitLine(const QString &line)
{
    if (line.size() < 5)
        return std::nullopt;
    return Line{line.left(4), line.mid(5)};
}

std::optional<double> parseNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseInt16(const QString &text)
{
    const std::optional<double> value = parseNumber(text);
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<int> parseSize(const QString &text, int minimum, int maximum)
{
    const std::optional<double> value = parseNumber(text);
    if (!value || *value < minimum || *value >= maximum + 1.0)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<bool> parseBoolean(const QString &text)
{
    const QString word = text.trimmed();
    if (word.compare(u"True"_qs, Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"False"_qs, Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> number = parseNumber(word))
        return *number != 0;
    return std::nullopt;
}

QString formatSingle(double value)
{
    const float single = static_cast<float>(value);
    QString text = QString::number(static_cast<double>(single), 'g', 7);
    if (text.contains(u'e')) {
        // Plain decimal even for very large or small values.
        text = QString::number(static_cast<double>(single), 'f', 7);
        if (text.contains(u'.')) {
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(u'.'))
                text.chop(1);
        }
    }
    return text;
}

QString formatBoolean(bool value) { return value ? u"True"_qs : u"False"_qs; }

} // namespace settingsformat
