#include "platform/RecentFileList.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndAtMostFour) {
    RecentFileList list;
    for (const char* path : {"a", "b", "c", "a", "d", "e", ""}) {
        list.Add(path);
    }
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"e", "d", "a", "c"}));
    list.Remove(1);
    list.Remove(9);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"e", "a", "c"}));
}

TEST(RecentFileList, RoundTripsThroughTheProfileAndClearsEmptySlots) {
    MemoryProfile profile;
    profile.SetString("Recent File List", "File2", "/x/two.plf");
    profile.SetString("Recent File List", "File3", "/x/two.plf");
    profile.SetString("Recent File List", "File4", "/x/four.grp");
    RecentFileList list;
    list.Load(profile);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/x/two.plf", "/x/four.grp"}));

    list.Save(profile);
    EXPECT_EQ(profile.GetString("Recent File List", "File1"), "/x/two.plf");
    EXPECT_EQ(profile.GetString("Recent File List", "File2"), "/x/four.grp");
    EXPECT_EQ(profile.GetString("Recent File List", "File3", "none"), "none");
    EXPECT_EQ(profile.GetString("Recent File List", "File4", "none"), "none");

    RecentFileList again;
    again.Load(profile);
    EXPECT_EQ(again.Entries(), list.Entries());
}

} // namespace
} // namespace velmora
