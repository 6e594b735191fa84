#pragma once

#include "core/handoff/MailboxReader.h"

#include <QObject>
#include <QString>

#include <optional>

/// How many records the last listing of each source found.
struct MailCounts {
    int drafts = 0;
    int log = 0;

    friend bool operator==(const MailCounts &, const MailCounts &) = default;
};

/// The draft and log counts of the list, which the counts label shows as
/// its caption "草稿：" + drafts + "_ログ：" + log (for example
/// "草稿：3_ログ：12"), the text the settings file stores.
///
/// A settings file may hold a caption that is not two counts (edited by
/// hand or damaged). That text is kept and shown as it is, and written back
/// unchanged, until a listing replaces its own half: the text before the
/// first "_" for the drafts, after it for the log. A kept caption without
/// any "_" gives way to the counts at the first listing.
class MailCountsModel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const MailCounts &counts() const { return counts_; }

    /// The counts' caption, or the kept caption.
    QString caption() const;

    /// Takes the counts of a caption as caption() writes it. Any other text
    /// (also "草稿：03_ログ：1", which would be written back otherwise) is
    /// kept, and the counts are 0.
    void restoreCaption(const QString &caption);

    /// After a listing of `source` found `count` records: that source's
    /// count changes, the other stays.
    void setCount(MailSource source, int count);

signals:
    /// The caption changed.
    void captionChanged(const QString &caption);

private:
    /// In the kept caption, shows `count` in the half of `source`.
    void replaceKeptHalf(MailSource source, int count);

    MailCounts counts_;
    std::optional<QString> kept_;
};
