#pragma once

#include <QString>
#include <QStringView>

/// The limit flags the count command reads, as they stand when it examines
/// a character (the user may change them between characters).
struct CountFlags {
    bool skipBlanks = false;      ///< LimitFlag::SkipBlanks: TAB, space, ideographic space
    bool skipLineBreaks = false;  ///< LimitFlag::SkipLineBreaks: CR, LF
    bool skipPunctuation = false; ///< LimitFlag::SkipPunctuation: . , 、 。
    bool skipBrackets = false;    ///< LimitFlag::SkipBrackets: 「」[]（()）｛｝{}
    bool skipTags = false;        ///< LimitFlag::SkipTags: from "<" up to and including the next ">"
    bool skipHoro = false;        ///< LimitFlag::SkipHoro: every occurrence of the word "Horo"
    bool classify = false;        ///< LimitFlag::Classify: a single-byte character counts 0.5
};

/// One run of the count command: the limited count (制限付き文字数) of the
/// body, one position at a time, so that the window can process events
/// between characters.
///
///     LimitedCount run(body.size());
///     while (!run.finished()) { run.step(currentBody, currentFlags); show run.progress(); }
///
/// Each step reads the character from the body as it is at that moment; a
/// position the body no longer reaches counts nothing.
class LimitedCount {
public:
    /// Starts a run over a body of `size` characters (its CR LF form).
    explicit LimitedCount(int size) : size_(size) {}

    /// True once every position up to the starting size has been examined.
    bool finished() const { return next_ >= size_; }

    /// Examines the next position of `body` under `flags` and moves past it
    /// (past a whole skipped "Horo"). Does nothing once finished.
    void step(QStringView body, const CountFlags &flags);

    /// The body's size when the run started (n).
    int size() const { return size_; }
    /// The limited count so far (w), a multiple of 0.5.
    double count() const { return count_; }
    /// Whole percent of the positions examined, 0 to 100.
    int progress() const;
    /// True while inside a tag that a "<" opened.
    bool inTag() const { return inTag_; }

private:
    int size_;
    int next_ = 0;
    double count_ = 0;
    bool inTag_ = false;
};

/// The count command's report: "大きさは、" n "です。" CR LF
/// "制限付き文字数は、" w "文字です。" (w in its shortest decimal form).
QString limitedCountMessage(int size, double count);

