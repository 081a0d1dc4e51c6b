#include "ui/core/delegate.h"

#include <gtest/gtest.h>

#include <string>

using SkinUI::CDelegateListUI;
using SkinUI::MakeDelegate;

namespace {

class Listener {
public:
    explicit Listener(std::string* log, char tag) : m_log(log), m_tag(tag) {}
    bool Accept(void*)
    {
        *m_log += m_tag;
        return true;
    }
    bool Refuse(void*)
    {
        *m_log += static_cast<char>(m_tag - 'a' + 'A');
        return false;
    }

private:
    std::string* m_log;
    char m_tag;
};

int g_staticCalls = 0;

bool StaticHandler(void*)
{
    ++g_staticCalls;
    return true;
}

bool OtherStaticHandler(void*)
{
    return false;
}

}  // namespace

TEST(Delegates, DuplicatesAreRefusedAndHandlersCompareByTargetAndFunction)
{
    std::string log;
    Listener first(&log, 'a');
    Listener second(&log, 'b');

    EXPECT_TRUE(MakeDelegate(&first, &Listener::Accept).Equals(MakeDelegate(&first, &Listener::Accept)));
    EXPECT_FALSE(MakeDelegate(&first, &Listener::Accept).Equals(MakeDelegate(&second, &Listener::Accept)));
    EXPECT_FALSE(MakeDelegate(&first, &Listener::Accept).Equals(MakeDelegate(&first, &Listener::Refuse)));
    EXPECT_TRUE(MakeDelegate(&StaticHandler).Equals(MakeDelegate(&StaticHandler)));
    EXPECT_FALSE(MakeDelegate(&StaticHandler).Equals(MakeDelegate(&OtherStaticHandler)));
    EXPECT_FALSE(MakeDelegate(&StaticHandler).Equals(MakeDelegate(&first, &Listener::Accept)));
    EXPECT_FALSE(MakeDelegate(&first, &Listener::Accept).Equals(MakeDelegate(&StaticHandler)));

    CDelegateListUI list;
    EXPECT_FALSE(list.HasDelegates());
    list.AddDelegate(MakeDelegate(&first, &Listener::Accept));
    list.AddDelegate(MakeDelegate(&first, &Listener::Accept));
    list.AddDelegate(MakeDelegate(&second, &Listener::Accept));
    list.AddDelegate(MakeDelegate(&StaticHandler));
    list.AddDelegate(MakeDelegate(&StaticHandler));
    EXPECT_TRUE(list.HasDelegates());

    g_staticCalls = 0;
    EXPECT_TRUE(list.Invoke(nullptr));
    EXPECT_EQ("ab", log);
    EXPECT_EQ(1, g_staticCalls);
}

TEST(Delegates, TheFirstFalseStopsTheWalk)
{
    std::string log;
    Listener first(&log, 'a');
    Listener second(&log, 'b');
    CDelegateListUI list;
    list.AddDelegate(MakeDelegate(&first, &Listener::Refuse));
    list.AddDelegate(MakeDelegate(&second, &Listener::Accept));
    EXPECT_FALSE(list.Invoke(nullptr));
    EXPECT_EQ("A", log);

    CDelegateListUI empty;
    EXPECT_TRUE(empty.Invoke(nullptr));
}
