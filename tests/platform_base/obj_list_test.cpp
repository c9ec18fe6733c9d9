#include "platform/base/obj_list.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Counted {
    explicit Counted(int v, int* alive) : value(v), alive(alive) { ++*alive; }
    ~Counted() { --*alive; }
    int value;
    int* alive;
};

std::vector<int> Values(const CObjList<Counted>& list) {
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        out.push_back(list.GetNext(pos)->value);
    return out;
}

} // namespace

TEST(ObjListTest, OwnsItsElements) {
    int alive = 0;
    {
        CObjList<Counted> list;
        for (int i = 0; i < 5; ++i)
            list.Emplace(i, &alive);
        EXPECT_EQ(alive, 5);
        list.RemoveAt(list.FindIndex(2));
        EXPECT_EQ(alive, 4);
        std::unique_ptr<Counted> kept = list.Detach(list.GetHeadPosition());
        EXPECT_EQ(alive, 4) << "a detached element is not deleted";
        EXPECT_EQ(Values(list), (std::vector<int>{1, 3, 4}));
    }
    EXPECT_EQ(alive, 0);
}

TEST(ObjListTest, InsertAndWalkBothWays) {
    int alive = 0;
    CObjList<Counted> list;
    POSITION mid = list.AddTail(std::make_unique<Counted>(2, &alive));
    list.AddHead(std::make_unique<Counted>(0, &alive));
    list.InsertBefore(mid, std::make_unique<Counted>(1, &alive));
    list.InsertAfter(mid, std::make_unique<Counted>(3, &alive));
    list.InsertAfter(list.GetTailPosition(), std::make_unique<Counted>(4, &alive));
    EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 2, 3, 4}));

    std::vector<int> backwards;
    for (POSITION pos = list.GetTailPosition(); pos;)
        backwards.push_back(list.GetPrev(pos)->value);
    EXPECT_EQ(backwards, (std::vector<int>{4, 3, 2, 1, 0}));

    EXPECT_EQ(list.FindIndex(5), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    EXPECT_EQ(list.GetAtIndex(3)->value, 3);
    EXPECT_EQ(list.IndexOf(list.GetTail()), 4);
    list.RemoveHead();
    list.RemoveTail();
    EXPECT_EQ(list.GetHead()->value, 1);
    EXPECT_EQ(list.GetTail()->value, 3);
    EXPECT_EQ(list.GetCount(), 3);
}

TEST(ObjListTest, RefListNeverDeletes) {
    int alive = 0;
    CObjList<Counted> owner;
    CRefList<Counted> refs;
    for (int i = 0; i < 3; ++i)
        refs.AddTail(owner.Emplace(i, &alive));
    CRefList<Counted> copy = refs;
    refs.RemoveAll();
    copy.Remove(owner.GetHead());
    EXPECT_EQ(alive, 3);
    EXPECT_EQ(copy.GetCount(), 2);
    int sum = 0;
    for (Counted* c : copy)
        sum += c->value;
    EXPECT_EQ(sum, 3);
}

// Elements moved by their nodes, within a list and between lists, are
// neither copied nor deleted, and both directions of each list agree.
TEST(ObjListTest, MovesByNodeKeepElementsAndLinks) {
    int alive = 0;
    CObjList<Counted> a;
    CObjList<Counted> b;
    for (int i = 0; i < 3; ++i)
        a.Emplace(i, &alive);
    for (int i = 3; i < 5; ++i)
        b.Emplace(i, &alive);
    const auto backwards = [](const CObjList<Counted>& list) {
        std::vector<int> out;
        for (POSITION pos = list.GetTailPosition(); pos;)
            out.insert(out.begin(), list.GetPrev(pos)->value);
        return out;
    };
    a.AppendFrom(b);
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(Values(a), (std::vector<int>{0, 1, 2, 3, 4}));
    a.MoveBefore(a.GetTailPosition(), a.GetHeadPosition());
    a.MoveBefore(a.FindIndex(1), nullptr);
    EXPECT_EQ(Values(a), (std::vector<int>{4, 1, 2, 3, 0}));
    a.MoveToTailOf(a.FindIndex(2), b);
    CObjList<Counted>::Extracted out = a.Extract(a.GetHeadPosition());
    EXPECT_EQ(out->value, 4);
    b.AddHead(std::move(out));
    EXPECT_FALSE(out);
    EXPECT_EQ(Values(a), (std::vector<int>{1, 3, 0}));
    EXPECT_EQ(Values(b), (std::vector<int>{4, 2}));
    EXPECT_EQ(backwards(a), Values(a));
    EXPECT_EQ(backwards(b), Values(b));
    EXPECT_EQ(a.GetCount() + b.GetCount(), 5);
    EXPECT_EQ(alive, 5);
    { CObjList<Counted>::Extracted dropped = b.Extract(b.GetTailPosition()); }
    EXPECT_EQ(alive, 4) << "an element taken out and not put back is deleted";
}
