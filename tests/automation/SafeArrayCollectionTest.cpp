#include <gtest/gtest.h>

#include "automation/Collection.h"
#include "automation/SafeArray.h"

using namespace automation;

namespace {

int32_t ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AutomationError& e) {
        return e.Number();
    }
    return 0;
}

TEST(SafeArrayTest, KeepsItsOwnBoundsPerDimension) {
    SafeArray grid(Bounds{1, 3}, Bounds{-1, 0});
    EXPECT_EQ(grid.Dimensions(), 2);
    EXPECT_EQ(grid.LBound(1), 1);
    EXPECT_EQ(grid.UBound(1), 3);
    EXPECT_EQ(grid.LBound(2), -1);
    EXPECT_EQ(grid.UBound(2), 0);
    grid.At(3, -1) = Variant("corner");
    EXPECT_EQ(grid.At(3, -1).ToString(), "corner");
    EXPECT_EQ(ErrorOf([&] { grid.At(0, 0); }), errors::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { grid.At(1); }), errors::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { grid.LBound(3); }), errors::kSubscriptOutOfRange);
}

TEST(SafeArrayTest, ReDimPreserveKeepsValuesAndOnlyGrowsTheLastDimension) {
    SafeArray list(Bounds{1, 2});
    list.At(1) = Variant("a");
    list.At(2) = Variant("b");
    list.ReDim(Bounds{1, 4}, true);
    EXPECT_EQ(list.At(2).ToString(), "b");
    EXPECT_TRUE(list.At(4).IsEmpty());
    EXPECT_EQ(ErrorOf([&] { list.ReDim(Bounds{0, 4}, true); }), errors::kSubscriptOutOfRange);

    SafeArray table(Bounds{0, 1}, Bounds{0, 0});
    table.At(1, 0) = Variant("kept");
    table.ReDim(Bounds{0, 1}, Bounds{0, 2}, true);
    EXPECT_EQ(table.At(1, 0).ToString(), "kept");
    table.At(1, 2) = Variant("new");
    EXPECT_EQ(ErrorOf([&] { table.ReDim(Bounds{0, 2}, Bounds{0, 2}, true); }), errors::kSubscriptOutOfRange);

    table.ReDim(Bounds{0, 0}, Bounds{0, 0});
    EXPECT_TRUE(table.At(0, 0).IsEmpty());
}

TEST(SafeArrayTest, EmptyArrayHasUpperBelowLower) {
    SafeArray empty;
    EXPECT_EQ(empty.LBound(), 0);
    EXPECT_EQ(empty.UBound(), -1);
    EXPECT_EQ(empty.Count(), 0);
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
    EXPECT_EQ(ErrorOf([&] { c.Add(Variant("dup"), Variant("aLPHA")); }), errors::kKeyAlreadyAssociated);

    c.Remove(Variant("ZERO"));
    EXPECT_EQ(c.Item(Variant("Alpha")).ToString(), "first");  // keys follow their items
    EXPECT_EQ(c.Item(Variant(1)).ToString(), "first");
    EXPECT_FALSE(c.Contains("zero"));
}

TEST(CollectionTest, MissingIndexOrKeyRaisesFive) {
    Collection c;
    c.Add(Variant(1), Variant("k"));
    EXPECT_EQ(ErrorOf([&] { c.Item(Variant(0)); }), errors::kInvalidProcedureCall);
    EXPECT_EQ(ErrorOf([&] { c.Item(Variant(2)); }), errors::kInvalidProcedureCall);
    EXPECT_EQ(ErrorOf([&] { c.Item(Variant("nope")); }), errors::kInvalidProcedureCall);
    EXPECT_EQ(ErrorOf([&] { c.Remove(Variant("nope")); }), errors::kInvalidProcedureCall);
}

TEST(CollectionTest, IsDispatchableByName) {
    auto c = std::make_shared<Collection>();
    c->Call("add", "v", "key");
    EXPECT_EQ(c->Get("count").ToLong(), 1);
    EXPECT_EQ(c->Get("Item", "KEY").ToString(), "v");
    EXPECT_EQ(c->TypeName(), "Collection");
}

}  // namespace
