// The shape cache slot: it hands out what it keeps only as the type it was kept as, and forgets
// that type with the entry, whether the entry is taken, cleared, replaced or the slot copied.
#include "core/shape_cache.h"

#include <gtest/gtest.h>

using namespace pw;

namespace {

struct Pixels final : ShapeCache::Entry {
    int value = 0;
};
struct Other final : ShapeCache::Entry {};

TEST(ShapeCache, GivesItsEntryOnlyAsTheTypeItWasKeptAs) {
    ShapeCache slot;
    EXPECT_TRUE(slot.Empty());
    EXPECT_EQ(slot.GetAs<Pixels>(), nullptr);

    auto kept = std::make_unique<Pixels>();
    kept->value = 7;
    Pixels* raw = kept.get();
    slot.Keep(std::move(kept));
    ASSERT_EQ(slot.GetAs<Pixels>(), raw);
    EXPECT_EQ(slot.GetAs<Pixels>()->value, 7);
    EXPECT_EQ(slot.GetAs<Other>(), nullptr);

    // Replaced by another kind: the old type no longer answers.
    slot.Keep(std::make_unique<Other>());
    EXPECT_EQ(slot.GetAs<Pixels>(), nullptr);
    EXPECT_NE(slot.GetAs<Other>(), nullptr);

    // An entry kept through its base type is not taken for the derived one.
    slot.Keep(std::unique_ptr<ShapeCache::Entry>(new Pixels));
    EXPECT_FALSE(slot.Empty());
    EXPECT_EQ(slot.GetAs<Pixels>(), nullptr);

    // Keeping nothing empties the slot.
    slot.Keep(std::unique_ptr<Pixels>());
    EXPECT_TRUE(slot.Empty());
    EXPECT_EQ(slot.GetAs<Pixels>(), nullptr);
}

TEST(ShapeCache, ForgetsTheTypeWithTheEntry) {
    ShapeCache slot;
    slot.Keep(std::make_unique<Pixels>());
    std::unique_ptr<ShapeCache::Entry> taken = slot.Take();
    EXPECT_NE(taken, nullptr);
    EXPECT_TRUE(slot.Empty());
    EXPECT_EQ(slot.GetAs<Pixels>(), nullptr);

    slot.Keep(std::make_unique<Pixels>());
    slot.Clear();
    EXPECT_EQ(slot.GetAs<Pixels>(), nullptr);

    // A copy starts empty, and copying over a slot empties it; a move carries entry and type.
    slot.Keep(std::make_unique<Pixels>());
    ShapeCache copy(slot);
    EXPECT_EQ(copy.GetAs<Pixels>(), nullptr);
    ShapeCache target;
    target.Keep(std::make_unique<Pixels>());
    target = copy;
    EXPECT_EQ(target.GetAs<Pixels>(), nullptr);
    ShapeCache moved(std::move(slot));
    EXPECT_NE(moved.GetAs<Pixels>(), nullptr);
    target = std::move(moved);
    EXPECT_NE(target.GetAs<Pixels>(), nullptr);
}

}  // namespace
