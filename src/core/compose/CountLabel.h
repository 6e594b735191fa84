#pragma once

#include <QString>

struct CharCount;

/// The status bar's count label: "<weight>文字 (<characters>)", the weight
/// written as its caller formats it (one decimal while typing, the
/// shortest form after a limit check or the count command).
QString countLabelText(const QString &weight, int characters);

/// The count label while typing: the weight with one decimal and, with the
/// i-mode setting on, the estimated price in front ("¥≒0.1円 4.5文字 (5)").
QString typingCountLabelText(const CharCount &count, bool withPrice);
