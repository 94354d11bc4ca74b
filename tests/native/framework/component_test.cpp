#include "test_classes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
bool Contains(const std::vector<std::string>& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
}
} // namespace

TEST(Components, OwnedComponentsDieWithTheirOwnerMarkedAsDestroying) {
    std::vector<std::string> log;
    auto* owner = new TWidget(nullptr);
    owner->SetName("owner");
    auto* a = new TWidget(owner);
    a->SetName("a");
    a->log = &log;
    auto* b = new TWidget(a);
    b->SetName("b");
    b->log = &log;
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(a->Owner(), owner);
    owner->Free();
    EXPECT_TRUE(Contains(log, "destroy a destroying"));
    EXPECT_TRUE(Contains(log, "destroy b destroying"));
}

TEST(Components, FreeingAChildRemovesItFromItsOwner) {
    TWidget owner(nullptr);
    auto* a = new TWidget(&owner);
    auto* b = new TWidget(&owner);
    a->Free();
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), b);
    EXPECT_EQ(b->ComponentIndex(), 0);
}

TEST(Components, NamesAreUniquePerOwnerAndFoundInAnyCase) {
    TWidget owner(nullptr);
    auto* a = new TWidget(&owner);
    auto* b = new TWidget(&owner);
    a->SetName("Button1");
    EXPECT_THROW(b->SetName("BUTTON1"), EPropertyError);
    b->SetName("Button2");
    EXPECT_EQ(owner.FindComponent("button2"), b);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    EXPECT_EQ(owner.FindComponent("Button3"), nullptr);
}

TEST(Components, InsertionAndRemovalReachEverySiblingThroughTheOwner) {
    std::vector<std::string> log;
    TWidget owner(nullptr);
    auto* watcher = new TWidget(&owner);
    watcher->SetName("watcher");
    watcher->log = &log;
    auto* other = new TWidget(nullptr);
    other->SetName("other");
    owner.InsertComponent(other);
    EXPECT_TRUE(Contains(log, "watcher sees insert of other"));
    owner.RemoveComponent(other);
    EXPECT_TRUE(Contains(log, "watcher sees removal of other"));
    EXPECT_EQ(other->Owner(), nullptr);
    other->Free();
}

TEST(Components, ReferencesAcrossOwnersAreClearedByFreeNotification) {
    TWidget formA(nullptr), formB(nullptr);
    auto* holder = new TWidget(&formA);
    auto* target = new TWidget(&formB);
    holder->SetBuddy(target);
    ASSERT_EQ(holder->Buddy(), target);
    target->Free();
    EXPECT_EQ(holder->Buddy(), nullptr);
    // And the other way round: the holder going first leaves nothing dangling behind.
    auto* target2 = new TWidget(&formB);
    holder->SetBuddy(target2);
    holder->Free();
    target2->Free();
    EXPECT_EQ(formB.ComponentCount(), 0);
}

TEST(Components, DesigningStateReachesOwnedComponents) {
    TWidget owner(nullptr);
    auto* a = new TWidget(&owner);
    owner.SetDesigning(true);
    EXPECT_TRUE(a->HasState(csDesigning));
    owner.SetDesigning(false);
    EXPECT_FALSE(a->HasState(csDesigning));
}
