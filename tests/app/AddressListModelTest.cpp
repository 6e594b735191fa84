#include "core/addressbook/AddressListModel.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QStringList texts(const AddressListModel &model)
{
    QStringList all;
    for (int row = 0; row < model.rowCount(); ++row)
        all.append(model.data(model.index(row)).toString());
    return all;
}

QList<int> phoneModels(const AddressListModel &model)
{
    QList<int> all;
    for (int row = 0; row < model.rowCount(); ++row)
        all.append(model.data(model.index(row), Qt::UserRole).toInt());
    return all;
}

// Adds an entry the way a combo box's insertItem does.
void insertItem(AddressListModel &model, int row, const QString &text, int phoneModel)
{
    ASSERT_TRUE(model.insertRows(row, 1));
    ASSERT_TRUE(model.setItemData(model.index(row), {{Qt::EditRole, text}, {Qt::UserRole, phoneModel}}));
}

TEST(AddressListModel, KeepsEveryTextWhenEntriesAreInsertedRetitledAndRemoved)
{
    AddressListModel model;
    insertItem(model, 0, u"花子<b@docomo.ne.jp>"_qs, 2);
    insertItem(model, 1, u"c@docomo.ne.jp"_qs, 0);
    insertItem(model, 1, u"太郎<a@docomo.ne.jp>"_qs, 5); // in the middle
    EXPECT_EQ(texts(model), (QStringList{u"花子<b@docomo.ne.jp>"_qs, u"太郎<a@docomo.ne.jp>"_qs, u"c@docomo.ne.jp"_qs}));
    EXPECT_EQ(phoneModels(model), (QList<int>{2, 5, 0}));

    // A longer and then a shorter text in the middle leave its neighbours be.
    ASSERT_TRUE(model.setData(model.index(1), u"山田太郎さん<a@docomo.ne.jp>"_qs));
    EXPECT_EQ(texts(model)[2], u"c@docomo.ne.jp"_qs);
    ASSERT_TRUE(model.setData(model.index(1), u"x"_qs, Qt::DisplayRole));
    EXPECT_EQ(texts(model), (QStringList{u"花子<b@docomo.ne.jp>"_qs, u"x"_qs, u"c@docomo.ne.jp"_qs}));

    ASSERT_TRUE(model.removeRows(0, 2));
    EXPECT_EQ(texts(model), QStringList{u"c@docomo.ne.jp"_qs});
    EXPECT_EQ(phoneModels(model), QList<int>{0});
}

TEST(AddressListModel, RefusesRowsItDoesNotHold)
{
    AddressListModel model;
    insertItem(model, 0, u"a@docomo.ne.jp"_qs, 1);
    EXPECT_FALSE(model.insertRows(2, 1));
    EXPECT_FALSE(model.removeRows(1, 1));
    EXPECT_FALSE(model.removeRows(0, 2));
    EXPECT_FALSE(model.setData(QModelIndex(), u"x"_qs));
    EXPECT_FALSE(model.setData(model.index(0), u"x"_qs, Qt::ToolTipRole));
    EXPECT_FALSE(model.data(QModelIndex()).isValid());
    EXPECT_FALSE(model.data(model.index(0), Qt::ToolTipRole).isValid());
    EXPECT_EQ(texts(model), QStringList{u"a@docomo.ne.jp"_qs});
}

TEST(AddressListModel, AppendsABatchAsOneInsertionAfterTheEntriesThere)
{
    AddressListModel model;
    insertItem(model, 0, u"先頭<a@docomo.ne.jp>"_qs, 3);
    AddressListModel::Entries batch;
    batch.add(u"友達1<f1@docomo.ne.jp>"_qs, 4);
    batch.add(QString(), 0);
    batch.add(u"f3@docomo.ne.jp"_qs, 7);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.append(batch);
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 1);
    EXPECT_EQ(inserted[0][2].toInt(), 3);
    EXPECT_EQ(texts(model), (QStringList{u"先頭<a@docomo.ne.jp>"_qs, u"友達1<f1@docomo.ne.jp>"_qs, QString(),
                                         u"f3@docomo.ne.jp"_qs}));
    EXPECT_EQ(phoneModels(model), (QList<int>{3, 4, 0, 7}));
    model.append(AddressListModel::Entries());
    EXPECT_EQ(inserted.size(), 1);
}

// A book waiting to be read is read once, into the list as it is then; a
// list replaced in the meantime drops it, so no entry comes twice.
TEST(AddressListModel, APendingBookIsReadOnceOrDropped)
{
    AddressListModel model;
    int reads = 0;
    const auto book = [&reads] {
        ++reads;
        AddressListModel::Entries entries;
        entries.add(u"a@docomo.ne.jp"_qs, 2);
        return entries;
    };
    model.setPending(book);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(model.readPending());
    EXPECT_FALSE(model.readPending());
    EXPECT_EQ(texts(model), QStringList{u"a@docomo.ne.jp"_qs});
    EXPECT_EQ(phoneModels(model), QList<int>{2});

    model.setPending(book);
    model.setPending({});
    EXPECT_FALSE(model.readPending());
    EXPECT_EQ(reads, 1);
}

} // namespace
