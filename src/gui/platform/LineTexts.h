#pragma once

#include <QString>
#include <QStringView>
#include <QTextBlock>
#include <QTextDocument>

/// Calls `visit(block, text)` for each line of a document from `first` to
/// `last`. A few lines are read one by one; many (a command over the whole
/// text, or its undo) are sliced out of one copy of the text by their
/// lengths, which costs less than a copy per line.
template <typename Visit>
void forEachLineText(QTextBlock first, const QTextBlock &last, Visit visit)
{
    constexpr int kLinesReadOneByOne = 16;
    const bool oneByOne = last.blockNumber() - first.blockNumber() < kLinesReadOneByOne;
    const QString whole = oneByOne ? QString() : first.document()->toRawText();
    qsizetype at = first.position();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        const qsizetype length = block.length() - 1; // without the line's separator
        const QString own = oneByOne ? block.text() : QString();
        visit(block, oneByOne ? QStringView(own) : QStringView(whole).sliced(at, length));
        if (block == last)
            return;
        at += length + 1;
    }
}
