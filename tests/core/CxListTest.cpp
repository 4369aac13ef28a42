#include <gtest/gtest.h>

#include "misc/CxList.h"

#include <vector>

namespace {

int a = 1, b = 2, c = 3, d = 4;

std::vector<void *> WalkForward(CxList &list)
{
    std::vector<void *> seen;
    for (void *p = list.GetFirst(); p; p = list.GetNext())
        seen.push_back(p);
    return seen;
}

std::vector<void *> WalkBackward(CxList &list)
{
    std::vector<void *> seen;
    for (void *p = list.GetLast(); p; p = list.GetPrev())
        seen.push_back(p);
    return seen;
}

}  // namespace

TEST(CxList, EmptyListAnswersNothing)
{
    CxList list;
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.GetFirst(), nullptr);
    EXPECT_EQ(list.GetNext(), nullptr);
    EXPECT_EQ(list.GetLast(), nullptr);
    EXPECT_EQ(list.GetPrev(), nullptr);
    EXPECT_EQ(list.GetAt(0), nullptr);
    EXPECT_FALSE(list.Add(nullptr));
    EXPECT_FALSE(list.Remove(&a));
}

TEST(CxList, WalksInInsertionOrderBothWays)
{
    CxList list;
    for (int *p : {&a, &b, &c, &d})
        ASSERT_TRUE(list.Add(p));
    EXPECT_EQ(list.GetCount(), 4u);
    EXPECT_EQ(WalkForward(list), (std::vector<void *>{&a, &b, &c, &d}));
    EXPECT_EQ(WalkBackward(list), (std::vector<void *>{&d, &c, &b, &a}));
    // Random access walks from wherever the cursor stands.
    EXPECT_EQ(list.GetAt(1), &b);
    EXPECT_EQ(list.GetAt(3), &d);
    EXPECT_EQ(list.GetAt(0), &a);
    EXPECT_EQ(list.GetAt(4), nullptr);
    EXPECT_EQ(list.GetNext(), &b);
    ASSERT_NE(list.Find(&c), nullptr);
    EXPECT_EQ(list.Find(&c)->nIndex, 2u);
}

// A walk left at the head must not leave a stale index behind once Add moved the cursor.
TEST(CxList, AddMovesTheCursorToTheNewNode)
{
    CxList list;
    list.Add(&a);
    list.Add(&b);
    EXPECT_EQ(list.GetFirst(), &a);
    ASSERT_TRUE(list.Add(&c));
    EXPECT_EQ(list.Find(&c)->nIndex, 2u);
    EXPECT_EQ(list.GetNext(), nullptr);
    EXPECT_EQ(list.GetPrev(), &b);
    EXPECT_EQ(list.GetPrev(), &a);
    EXPECT_EQ(list.GetPrev(), nullptr);
}

TEST(CxList, RemoveRenumbersAndMovesCursorToFollower)
{
    CxList list;
    for (int *p : {&a, &b, &c, &d})
        list.Add(p);
    ASSERT_TRUE(list.Remove(&b));
    EXPECT_EQ(list.GetCount(), 3u);
    // The cursor now stands on c, which took b's index 1.
    EXPECT_EQ(list.GetNext(), &d);
    EXPECT_EQ(list.Find(&c)->nIndex, 1u);
    EXPECT_EQ(list.Find(&d)->nIndex, 2u);
    EXPECT_EQ(list.Find(&b), nullptr);
    EXPECT_EQ(WalkForward(list), (std::vector<void *>{&a, &c, &d}));
    EXPECT_EQ(WalkBackward(list), (std::vector<void *>{&d, &c, &a}));
}

TEST(CxList, RemovingTailOrHeadKeepsTheListWalkable)
{
    CxList list;
    for (int *p : {&a, &b, &c})
        list.Add(p);
    // No follower after the tail: the next steps must still find their way.
    ASSERT_TRUE(list.Remove(&c));
    EXPECT_EQ(list.GetNext(), nullptr);
    EXPECT_EQ(list.GetPrev(), &b);
    EXPECT_EQ(list.GetPrev(), &a);
    EXPECT_EQ(list.GetLast(), &b);

    ASSERT_TRUE(list.Remove(&a));
    EXPECT_EQ(list.GetFirst(), &b);
    EXPECT_EQ(list.GetLast(), &b);
    EXPECT_EQ(list.Find(&b)->nIndex, 0u);

    ASSERT_TRUE(list.Remove(&b));
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.GetFirst(), nullptr);
    EXPECT_EQ(list.GetPrev(), nullptr);
    ASSERT_TRUE(list.Add(&d));
    EXPECT_EQ(WalkForward(list), (std::vector<void *>{&d}));
}

TEST(CxList, RemoveTakesFirstOfDuplicatesAndRemoveAllEmpties)
{
    CxList list;
    list.Add(&a);
    list.Add(&b);
    list.Add(&a);
    ASSERT_TRUE(list.Remove(&a));
    EXPECT_EQ(WalkForward(list), (std::vector<void *>{&b, &a}));
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.GetFirst(), nullptr);
    EXPECT_EQ(list.GetAt(0), nullptr);
}
