#include "core/handoff/MailCounts.h"

#include <gtest/gtest.h>

namespace {

TEST(MailCounts, StoredCaptionsComeBackUnchangedAndAListingChangesOnlyItsOwnHalf)
{
    struct Row {
        QString stored;
        MailCounts read;
        MailSource source;
        int count;
        QString listed;
        MailCounts counted;
    };
    const Row rows[] = {
        {u"草稿：0_ログ：0"_qs, {0, 0}, MailSource::Drafts, 4, u"草稿：4_ログ：0"_qs, {4, 0}},
        {u"草稿：4_ログ：9"_qs, {4, 9}, MailSource::Log, 12, u"草稿：4_ログ：12"_qs, {4, 12}},
        // Text that is not two counts is shown and stored as it is, and a
        // listing replaces only its own side of the first "_".
        {u"a_b_c"_qs, {}, MailSource::Drafts, 1, u"草稿：1_b_c"_qs, {1, 0}},
        {u"a_b_c"_qs, {}, MailSource::Log, 1, u"a_ログ：1"_qs, {0, 1}},
        {u"草稿：03_ログ：1"_qs, {}, MailSource::Log, 2, u"草稿：03_ログ：2"_qs, {0, 2}},
        {u"x_ログ：4"_qs, {}, MailSource::Drafts, 1, u"草稿：1_ログ：4"_qs, {1, 4}},
        {u"草稿：-1_ログ：+2"_qs, {}, MailSource::Drafts, 5, u"草稿：5_ログ：+2"_qs, {5, 0}},
        // Without "_" the whole caption gives way to the counts.
        {u"damaged"_qs, {}, MailSource::Log, 2, u"草稿：0_ログ：2"_qs, {0, 2}},
        {QString(), {}, MailSource::Drafts, 2, u"草稿：2_ログ：0"_qs, {2, 0}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.stored.toStdString());
        MailCountsModel model;
        QStringList shown;
        QObject::connect(&model, &MailCountsModel::captionChanged, [&shown](const QString &c) { shown.append(c); });
        model.restoreCaption(r.stored);
        EXPECT_EQ(model.caption(), r.stored);
        EXPECT_EQ(model.counts(), r.read);
        model.setCount(r.source, r.count);
        EXPECT_EQ(model.caption(), r.listed);
        EXPECT_EQ(model.counts(), r.counted);
        EXPECT_EQ(shown, (QStringList{r.stored, r.listed}));
    }
    EXPECT_EQ(MailCountsModel().caption(), u"草稿：0_ログ：0"_qs);
}

} // namespace
