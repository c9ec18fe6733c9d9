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
