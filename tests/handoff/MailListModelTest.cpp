#include "core/handoff/MailListModel.h"

#include <gtest/gtest.h>

namespace {

TEST(MailListModel, HeaderRowStaysFirst)
{
    MailListModel model;
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.data(model.index(0)).toString(), mailboxreader::headerRow());
    EXPECT_FALSE(model.data(model.index(0), MailListModel::VerticalRole).isValid());

    const MailRow newest{u"s"_qs, u"t"_qs, u"d"_qs, u"f"_qs, u"a\r\nb\r\n"_qs, true};
    model.setRecords({newest, {u"old"_qs, {}, {}, {}, {}, false}});
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(0)).toString(), mailboxreader::headerRow());
    EXPECT_EQ(model.data(model.index(1)).toString(), u"s\t|t\t|d\t|f\t|a b "_qs);
    EXPECT_EQ(model.data(model.index(2)).toString(), u"old\t|\t|\t|\t|"_qs);
    EXPECT_EQ(model.record(1), newest);
    EXPECT_TRUE(model.data(model.index(1), MailListModel::VerticalRole).toBool());
    EXPECT_FALSE(model.data(model.index(2), MailListModel::VerticalRole).toBool());
    EXPECT_FALSE(model.data(model.index(3)).isValid());

    model.clearRecords();
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.recordCount(), 0);
}

TEST(MailListModel, VerticalFlagIsSettableOnRecordsOnly)
{
    MailListModel model;
    model.setRecords({MailRow()});
    int changes = 0;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, [&changes] { ++changes; });
    EXPECT_TRUE(model.setData(model.index(1), true, MailListModel::VerticalRole));
    EXPECT_TRUE(model.record(1).vertical);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(model.setData(model.index(0), true, MailListModel::VerticalRole));
    EXPECT_FALSE(model.setData(model.index(1), u"x"_qs, Qt::DisplayRole));
    EXPECT_FALSE(model.setData(model.index(5), true, MailListModel::VerticalRole));
    EXPECT_EQ(changes, 1);
}

TEST(MailListModel, TakesManyRecordsInOneReset)
{
    QList<MailRow> rows(100000, MailRow());
    MailListModel model;
    int resets = 0;
    int inserts = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&inserts] { ++inserts; });
    model.setRecords(std::move(rows));
    EXPECT_EQ(model.rowCount(), 100001);
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(inserts, 0);
}

} // namespace
