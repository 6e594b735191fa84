#pragma once

#include <QString>
#include <QStringView>

/// The warnings the send command collects before a mail leaves (not for drafts).
namespace sendwarnings {

/// The warning text: one line per finding, each ended by CR LF, in this
/// order: empty To ("・宛先が未記入です。"), empty subject, empty body, and
/// the pictographs still in use. Empty when there is nothing to warn about.
///
/// `usedPictographs` is pruned in place and for good: every character of it
/// that no longer occurs in `body` is removed. The walk starts at the first
/// character and stays at the same position after a removal. A surrogate
/// pair counts as one character, so a pair is never split.
QString collect(QStringView to, QStringView subject, QStringView body,
                QString &usedPictographs);

/// The title of the question that shows the warnings: "ほんとに？".
QString questionTitle();

/// The question text: warnings + CR LF + "本当に送信してもいいんですか？".
QString questionText(const QString &warnings);

} // namespace sendwarnings
