#include <gtest/gtest.h>

#include "support/ErrorOf.h"
#include "automation/Collection.h"
#include "automation/SafeArray.h"

using namespace automation;
using testsupport::ErrorOf;

namespace {

TEST(SafeArrayTest, KeepsItsOwnBoundsPerDimension) {
    SafeArray grid(Bounds{1, 3}, Bounds{-1, 0});
    EXPECT_EQ(grid.Dimensions(), 2);
    EXPECT_EQ(std::make_pair(grid.LBound(1), grid.UBound(1)), std::make_pair(1, 3));
    EXPECT_EQ(std::make_pair(grid.LBound(2), grid.UBound(2)), std::make_pair(-1, 0));
    grid.At(3, -1) = Variant("corner");
    EXPECT_EQ(grid.At(3, -1).ToString(), "corner");
    EXPECT_EQ(ErrorOf([&] { grid.At(0, 0); }).Number(), errors::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { grid.At(1); }).Number(), errors::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { grid.LBound(3); }).Number(), errors::kSubscriptOutOfRange);
    // An empty array has its upper bound below the lower.
    SafeArray empty;
    EXPECT_EQ(std::make_pair(empty.LBound(), empty.UBound()), std::make_pair(0, -1));
    EXPECT_EQ(empty.Count(), 0);
}

TEST(SafeArrayTest, ReDimPreserveKeepsValuesAndOnlyGrowsTheLastDimension) {
    SafeArray list(Bounds{1, 2});
    list.At(2) = Variant("b");
    list.ReDim(Bounds{1, 4}, true);
    EXPECT_EQ(list.At(2).ToString(), "b");
    EXPECT_TRUE(list.At(4).IsEmpty());
    EXPECT_EQ(ErrorOf([&] { list.ReDim(Bounds{0, 4}, true); }).Number(), errors::kSubscriptOutOfRange);

    SafeArray table(Bounds{0, 1}, Bounds{0, 0});
    table.At(1, 0) = Variant("kept");
    table.ReDim(Bounds{0, 1}, Bounds{0, 2}, true);
    EXPECT_EQ(table.At(1, 0).ToString(), "kept");
    table.At(1, 2) = Variant("new");
    EXPECT_EQ(ErrorOf([&] { table.ReDim(Bounds{0, 2}, Bounds{0, 2}, true); }).Number(), errors::kSubscriptOutOfRange);
    table.ReDim(Bounds{0, 0}, Bounds{0, 0});
    EXPECT_TRUE(table.At(0, 0).IsEmpty());
}

TEST(CollectionTest, KeysAreCaseInsensitiveAndItemsOneBased) {
    Collection c;
    c.Add(Variant("first"), Variant("Alpha"));
    c.Add(Variant("second"));
    c.Add(Variant("zeroth"), Variant("Zero"), Variant(1));  // before the first
    c.Add(Variant("third"), Variant::Missing(), Variant::Missing(), Variant("ALPHA"));  // after Alpha
    ASSERT_EQ(c.Count(), 4);
    EXPECT_EQ(c.Item(Variant(1)).ToString(), "zeroth");
    EXPECT_EQ(c.Item(Variant("alpha")).ToString(), "first");
    EXPECT_EQ(c.Item(Variant(3)).ToString(), "third");
    EXPECT_EQ(c.Item(Variant(4)).ToString(), "second");
    EXPECT_EQ(ErrorOf([&] { c.Add(Variant("dup"), Variant("aLPHA")); }).Number(), errors::kKeyAlreadyAssociated);

    c.Remove(Variant("ZERO"));
    EXPECT_EQ(c.Item(Variant("Alpha")).ToString(), "first");  // keys follow their items
    EXPECT_EQ(c.Item(Variant(1)).ToString(), "first");
    EXPECT_FALSE(c.Contains("zero"));
}

TEST(CollectionTest, MissingIndexOrKeyRaisesFive) {
    Collection c;
    c.Add(Variant(1), Variant("k"));
    for (const Variant& index : {Variant(0), Variant(2), Variant("nope")})
        EXPECT_EQ(ErrorOf([&] { c.Item(index); }).Number(), errors::kInvalidProcedureCall) << index.ToString();
    EXPECT_EQ(ErrorOf([&] { c.Remove(Variant("nope")); }).Number(), errors::kInvalidProcedureCall);
}

TEST(CollectionTest, IsDispatchableByName) {
    auto c = std::make_shared<Collection>();
    c->Call("add", "v", "key");
    EXPECT_EQ(c->Get("count").ToLong(), 1);
    EXPECT_EQ(c->Get("Item", "KEY").ToString(), "v");
}

}  // namespace
