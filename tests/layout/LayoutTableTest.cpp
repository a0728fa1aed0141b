// SPDX-License-Identifier: GPL-3.0-or-later
// What a copy of the layout could never check: the table is consistent with
// itself. Every control is named once and stands inside its parent, no two
// controls of a page cover each other unless the layout means it (labels on
// pictures), and each parent's tab order is a sequence.
#include "layout/LayoutTable.h"
#include "layout/ControlNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace lirem::layout {
namespace {

struct Box {
    int x, y, w, h;
    [[nodiscard]] bool Overlaps(const Box& o) const {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
};

const std::map<std::string, const ControlRow*>& Groups() {
    static const std::map<std::string, const ControlRow*> groups = [] {
        std::map<std::string, const ControlRow*> g;
        for (const ControlRow& row : Controls())
            if (row.kind == ControlKind::GroupBox)
                g.emplace(row.name, &row);
        return g;
    }();
    return groups;
}

// The row's box on its page: a group box's children move with it.
Box PageBox(const ControlRow& row) {
    const auto group = Groups().find(row.parent);
    if (group == Groups().end())
        return {row.x, row.y, row.width, row.height};
    return {group->second->x + row.x, group->second->y + row.y, row.width, row.height};
}

std::string PageOf(const ControlRow& row) {
    const auto group = Groups().find(row.parent);
    return group == Groups().end() ? row.parent : group->second->parent;
}

// Overlaps the window means: labels on pictures, pictures composed of
// several drawings, and a group box with what stands in it.
bool MeantToOverlap(const ControlRow& a, const ControlRow& b) {
    const auto onPicture = [](const ControlRow& picture, const ControlRow& other) {
        return picture.kind == ControlKind::Picture &&
               (other.kind == ControlKind::Label || other.kind == ControlKind::Picture);
    };
    return onPicture(a, b) || onPicture(b, a) || a.parent == b.name || b.parent == a.name;
}

TEST(LayoutTable, EveryControlIsNamedOnceAndListed) {
    std::set<std::string> names;
    for (const PageRow& page : Pages())
        EXPECT_TRUE(names.insert(page.name).second) << page.name;
    for (const ControlRow& row : Controls()) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name << " twice";
        EXPECT_EQ(FindControl(row.name), &row);
    }
    EXPECT_EQ(FindControl("no such control"), nullptr);
}

// The shared list of control names and the layout agree both ways: every
// control the layout creates is listed once, and every listed name is a
// control the window creates (the window, its pages and status bar by itself).
TEST(LayoutTable, ListOfNamesAndLayoutAgree) {
    std::multiset<std::string_view> created{control::MainForm, control::pcPages, control::sbMessage};
    for (const PageRow& page : Pages()) {
        created.insert(page.name);
    }
    for (const ControlRow& row : Controls()) {
        created.insert(row.name);
    }
    const std::vector<std::string_view> listed = control::EveryName();
    EXPECT_EQ(created, std::multiset<std::string_view>(listed.begin(), listed.end()));
    EXPECT_EQ(std::set<std::string_view>(listed.begin(), listed.end()).size(), listed.size());
}

TEST(LayoutTable, EveryControlStandsInsideItsParentAndThePage) {
    std::set<std::string> built;
    for (const PageRow& page : Pages())
        built.insert(page.name);
    for (const ControlRow& row : Controls()) {
        SCOPED_TRACE(row.name);
        // Parents come first: the window builds the rows in order.
        EXPECT_EQ(built.count(row.parent), 1U) << "parent " << row.parent;
        built.insert(row.name);
        // Only a label may leave its size to its text.
        if (row.kind != ControlKind::Label || row.width != 0 || row.height != 0) {
            EXPECT_GT(row.width, 0);
            EXPECT_GT(row.height, 0);
        }
        const Box box = PageBox(row);
        EXPECT_GE(box.x, 0);
        EXPECT_GE(box.y, 0);
        EXPECT_LE(box.x + box.w, kPageWidth);
        EXPECT_LE(box.y + box.h, kPageHeight);
        const auto group = Groups().find(row.parent);
        if (group != Groups().end()) {
            EXPECT_LE(row.x + row.width, group->second->width);
            EXPECT_LE(row.y + row.height, group->second->height);
        }
    }
    // The pages themselves lie inside the window's client area.
    EXPECT_LE(kPageWidth, kClientWidth);
    EXPECT_LE(kPageHeight, kClientHeight);
}

TEST(LayoutTable, ControlsOfAPageDoNotCoverEachOther) {
    const std::vector<ControlRow>& rows = Controls();
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            const ControlRow& a = rows[i];
            const ControlRow& b = rows[j];
            if (PageOf(a) != PageOf(b) || MeantToOverlap(a, b))
                continue;
            EXPECT_FALSE(PageBox(a).Overlaps(PageBox(b))) << a.name << " and " << b.name;
        }
}

TEST(LayoutTable, TabOrderOfEachParentIsASequence) {
    std::map<std::string, std::vector<int>> orders;
    for (const ControlRow& row : Controls())
        if (row.tabOrder >= 0)
            orders[row.parent].push_back(row.tabOrder);
    for (auto& [parent, order] : orders) {
        std::sort(order.begin(), order.end());
        for (std::size_t i = 0; i < order.size(); ++i)
            EXPECT_EQ(order[i], static_cast<int>(i)) << parent;
    }
}

} // namespace
} // namespace lirem::layout
