#include <gtest/gtest.h>

#include <list>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "ui/core/geometry.h"
#include "ui/core/ptr_array.h"
#include "ui/core/string_map.h"

using SkinUI::CPtrArrayUI;
using SkinUI::CStringMapUI;

namespace {

void* Item(int n)
{
    return reinterpret_cast<void*>(static_cast<intptr_t>(n));
}

}  // namespace

TEST(PtrArray, CapacityGrowsFrom11ByDoubling)
{
    CPtrArrayUI array;
    EXPECT_EQ(nullptr, array.GetData());
    EXPECT_TRUE(array.Add(Item(1)));
    EXPECT_EQ(11, array.GetCapacity());
    for (int i = 2; i <= 10; ++i)
        array.Add(Item(i));
    EXPECT_EQ(11, array.GetCapacity());
    array.Add(Item(11));
    EXPECT_EQ(22, array.GetCapacity());
    for (int i = 12; i <= 22; ++i)
        array.Add(Item(i));
    EXPECT_EQ(44, array.GetCapacity());
    for (int i = 0; i < 22; ++i)
        EXPECT_EQ(Item(i + 1), array.ItemAt(i));

    CPtrArrayUI presized(4);
    EXPECT_EQ(4, presized.GetCapacity());
    EXPECT_EQ(0, presized.GetSize());
}

TEST(PtrArray, IndexRules)
{
    CPtrArrayUI array;
    EXPECT_FALSE(array.InsertAt(-1, Item(9)));
    EXPECT_FALSE(array.InsertAt(1, Item(9)));
    EXPECT_TRUE(array.InsertAt(0, Item(2)));
    EXPECT_TRUE(array.InsertAt(0, Item(1)));
    EXPECT_TRUE(array.InsertAt(2, Item(4)));
    EXPECT_TRUE(array.InsertAt(2, Item(3)));
    ASSERT_EQ(4, array.GetSize());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Item(i + 1), array.GetAt(i));
    EXPECT_EQ(nullptr, array.GetAt(-1));
    EXPECT_EQ(nullptr, array.GetAt(4));
    EXPECT_EQ(2, array.Find(Item(3)));
    EXPECT_EQ(-1, array.Find(Item(7)));

    EXPECT_FALSE(array.RemoveRange(-1, 1));
    EXPECT_FALSE(array.RemoveRange(0, 0));
    EXPECT_FALSE(array.RemoveRange(2, 3));
    EXPECT_TRUE(array.RemoveRange(1, 2));
    ASSERT_EQ(2, array.GetSize());
    EXPECT_EQ(Item(1), array.GetAt(0));
    EXPECT_EQ(Item(4), array.GetAt(1));

    CPtrArrayUI copy(array);
    EXPECT_EQ(2, copy.GetSize());
    EXPECT_EQ(Item(4), copy.GetAt(1));
    EXPECT_NE(array.GetData(), copy.GetData());

    array.Resize(3);
    EXPECT_EQ(3, array.GetSize());
    EXPECT_EQ(3, array.GetCapacity());
    EXPECT_EQ(nullptr, array.GetAt(2));
    array.Add(Item(5));
    EXPECT_EQ(6, array.GetCapacity());
    array.Clear();
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(0, array.GetCapacity());
}

TEST(StringMap, HashAndBucketCounts)
{
    EXPECT_EQ(3331u, SkinUI::HashKeyText(L"ab"));
    EXPECT_EQ(0u, SkinUI::HashKeyText(L""));
    EXPECT_EQ(16, CStringMapUI(5).GetBucketCount());
    EXPECT_EQ(16, CStringMapUI(-3).GetBucketCount());
    EXPECT_EQ(83, CStringMapUI(83).GetBucketCount());
}

TEST(StringMap, InsertSetRemove)
{
    CStringMapUI map(83);
    int a = 0, b = 0;
    EXPECT_TRUE(map.Insert(L"name", &a));
    EXPECT_FALSE(map.Insert(L"name", &b));
    EXPECT_EQ(&a, map.Find(L"name"));
    EXPECT_EQ(nullptr, map.Find(L"NAME"));
    EXPECT_EQ(&a, map.Set(L"name", &b));
    EXPECT_EQ(&b, map.Find(L"name"));
    EXPECT_EQ(nullptr, map.Set(L"other", &a));
    EXPECT_EQ(2, map.GetSize());
    EXPECT_TRUE(map.Remove(L"name"));
    EXPECT_FALSE(map.Remove(L"name"));
    EXPECT_EQ(1, map.GetSize());

    map.RemoveAll();
    EXPECT_EQ(83, map.GetBucketCount());
    EXPECT_EQ(0, map.GetSize());
    EXPECT_EQ(nullptr, map.Find(L"other"));

    map.Resize(0);
    EXPECT_EQ(nullptr, map.Find(L"other"));
    EXPECT_FALSE(map.Insert(L"x", &a));
    EXPECT_EQ(&a, map.Set(L"x", &a));
    EXPECT_EQ(nullptr, map.GetKeyAt(0));
}

// Models buckets as front-first lists and checks the map's iteration order
// (by index and in one pass) against it through inserts, removals and
// move-to-front lookups.
TEST(StringMap, IterationOrderFollowsTheBucketModel)
{
    const int buckets = 17;
    CStringMapUI map(buckets);
    std::vector<std::list<std::wstring>> model(buckets);
    std::mt19937 random(7);
    int value = 0;

    auto bucketOf = [&](const std::wstring& key) {
        return SkinUI::HashKeyText(key.c_str()) % buckets;
    };
    for (int step = 0; step < 600; ++step) {
        const std::wstring key = L"k" + std::to_wstring(random() % 60);
        auto& list = model[bucketOf(key)];
        auto it = std::find(list.begin(), list.end(), key);
        switch (random() % 3) {
        case 0:
            EXPECT_EQ(it == list.end(), map.Insert(key.c_str(), &value));
            if (it != list.end())
                list.erase(it);
            list.push_front(key);
            break;
        case 1:
            EXPECT_EQ(it != list.end(), map.Remove(key.c_str()));
            if (it != list.end())
                list.erase(it);
            break;
        default:
            EXPECT_EQ(it != list.end(), map.Find(key.c_str(), true) != nullptr);
            if (it != list.end()) {
                list.erase(it);
                list.push_front(key);
            }
            break;
        }
        std::vector<std::wstring> expected;
        for (int b = buckets - 1; b >= 0; --b)
            expected.insert(expected.end(), model[b].begin(), model[b].end());
        ASSERT_EQ(static_cast<int>(expected.size()), map.GetSize());
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(expected[i], map.GetKeyAt(static_cast<int>(i))) << "step " << step;
        EXPECT_EQ(nullptr, map.GetKeyAt(map.GetSize()));
        std::vector<std::wstring> visited;
        map.ForEach([&](const wchar_t* key, void*) { visited.emplace_back(key); });
        ASSERT_EQ(expected, visited) << "step " << step;
    }
}

TEST(Geometry, UnionTakesTheOuterEdgesAndMoveToOriginKeepsTheSize)
{
    SkinUI::CRectUI rc(10, 20, 50, 80);
    rc.Union(RECT{0, 30, 40, 100});
    const RECT united = {0, 20, 50, 100};
    EXPECT_TRUE(EqualRect(&rc, &united));
    rc.MoveToOrigin();
    const RECT moved = {0, 0, 50, 80};
    EXPECT_TRUE(EqualRect(&rc, &moved));
    EXPECT_EQ(reinterpret_cast<LPCWSTR>(0x2A), static_cast<LPCWSTR>(SkinUI::ResourceIdUI(0x1002A)));
}
