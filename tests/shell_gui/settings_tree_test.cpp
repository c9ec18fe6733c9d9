// The settings tree and its pages agree: in either language every leaf
// shows exactly one page and every page has exactly one leaf; a top-level
// item's text is no page's.
#include "app/doc_ids.h"
#include "shell/settings_tree.h"

#include <gtest/gtest.h>
#include <string>

TEST(SettingsTreeTest, EachLeafShowsOnePageAndEachPageHasOneLeaf) {
    for (const bool english : {false, true}) {
        std::vector<int> leaves(pageKindCount, 0);
        for (const SettingsTreeRoot& root : SettingsTreeRoots()) {
            for (const SettingsPageEntry& entry : SettingsPageEntries())
                EXPECT_NE(std::string(entry.label.Text(english)), root.label.Text(english));
            for (const SettingsLabel& leaf : root.leaves) {
                int pages = 0;
                for (const SettingsPageEntry& entry : SettingsPageEntries())
                    if (std::string(entry.label.Text(english)) == leaf.Text(english)) {
                        ++pages;
                        ++leaves[entry.kind];
                    }
                EXPECT_EQ(pages, 1) << leaf.Text(english);
            }
        }
        EXPECT_EQ(leaves, std::vector<int>(pageKindCount, 1)) << (english ? "English" : "Japanese");
    }
    int position = 0;
    for (const SettingsPageEntry& entry : SettingsPageEntries())
        EXPECT_EQ(entry.kind, position++) << "listed in the order of the kinds";
}

TEST(SettingsTreeTest, PagesAreRegisteredUnderIdsOfTheirOwn) {
    std::vector<int> ids;
    for (const SettingsPageEntry& entry : SettingsPageEntries())
        if (entry.registryId != wndBroadcastOnly)
            ids.push_back(entry.registryId);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    EXPECT_EQ(ids.size(), 10U);
}
