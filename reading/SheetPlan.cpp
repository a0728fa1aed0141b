// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/SheetPlan.h"

namespace lirem::reading {

std::vector<Sheet> PlanSheets(const std::vector<Section>& pages) {
    std::vector<Sheet> sheets(1);
    sheets.front().titleBlock = true;
    double y = kTop + kTitleHeight;
    for (Section section : pages) {
        const double needed = kHeadingHeight + section.height + kPagePadding;
        if (y + needed > kBottom && !sheets.back().sections.empty()) {
            sheets.emplace_back();
            y = kTop;
        }
        section.top = y;
        sheets.back().sections.push_back(std::move(section));
        y += needed + kSectionGap;
    }
    return sheets;
}

} // namespace lirem::reading
