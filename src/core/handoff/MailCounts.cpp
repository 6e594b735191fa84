#include "core/handoff/MailCounts.h"

namespace {

const QString draftsLabel = QStringLiteral("草稿：");
const QString logLabel = QStringLiteral("ログ：");

QString captionOf(const MailCounts &counts)
{
    return draftsLabel + QString::number(counts.drafts) + u'_' + logLabel + QString::number(counts.log);
}

// The counts of a caption as captionOf() writes it; nothing for any other
// text.
std::optional<MailCounts> countsOf(QStringView caption)
{
    const qsizetype cut = caption.indexOf(u'_');
    if (cut < 0)
        return std::nullopt;
    const QStringView drafts = caption.first(cut);
    const QStringView log = caption.sliced(cut + 1);
    if (!drafts.startsWith(draftsLabel) || !log.startsWith(logLabel))
        return std::nullopt;
    bool draftsOk = false;
    bool logOk = false;
    const MailCounts counts{drafts.sliced(draftsLabel.size()).toInt(&draftsOk),
                            log.sliced(logLabel.size()).toInt(&logOk)};
    // Signs, leading zeros and blanks read as numbers but would not be
    // written back the same.
    if (!draftsOk || !logOk || caption != captionOf(counts))
        return std::nullopt;
    return counts;
}

} // namespace

QString MailCountsModel::caption() const
{
    return kept_ ? *kept_ : captionOf(counts_);
}

void MailCountsModel::restoreCaption(const QString &caption)
{
    const std::optional<MailCounts> counts = countsOf(caption);
    counts_ = counts.value_or(MailCounts());
    if (counts)
        kept_.reset();
    else
        kept_ = caption;
    emit captionChanged(caption);
}

void MailCountsModel::setCount(MailSource source, int count)
{
    (source == MailSource::Drafts ? counts_.drafts : counts_.log) = count;
    if (kept_)
        replaceKeptHalf(source, count);
    emit captionChanged(caption());
}

void MailCountsModel::replaceKeptHalf(MailSource source, int count)
{
    const qsizetype cut = kept_->indexOf(u'_');
    if (cut < 0) {
        kept_.reset();
        return;
    }
    const QString text = source == MailSource::Drafts
                             ? draftsLabel + QString::number(count) + kept_->sliced(cut)
                             : kept_->first(cut) + u'_' + logLabel + QString::number(count);
    // The other half may have been a count all along.
    if (const std::optional<MailCounts> counts = countsOf(text)) {
        counts_ = *counts;
        kept_.reset();
    } else {
        kept_ = text;
    }
}
