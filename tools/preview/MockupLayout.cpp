// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/preview/MockupLayout.h"

#include "layout/LayoutTable.h"
#include "look/LayoutLook.h"

#include <map>

namespace lirem::preview {
namespace {

// Group boxes place their labels relative to themselves.
QPoint PageOrigin(const layout::ControlRow& row, const std::map<std::string, const layout::ControlRow*>& groups) {
    const auto group = groups.find(row.parent);
    return group == groups.end() ? QPoint(row.x, row.y) : QPoint(group->second->x + row.x, group->second->y + row.y);
}

bool ShowsANumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

std::vector<MockPage> MockPages(const QString& sample) {
    std::vector<MockPage> pages;
    std::map<std::string, const layout::ControlRow*> groups;
    for (const layout::ControlRow& row : layout::Controls())
        if (row.kind == layout::ControlKind::GroupBox)
            groups.emplace(row.name, &row);

    int number = 0;
    for (const layout::PageRow& tab : layout::Pages()) {
        ++number;
        MockPage page{QStringLiteral("%1-%2").arg(number).arg(look::FromUtf8(tab.name).mid(2).toLower()), {}, {}};
        for (const layout::ControlRow& row : layout::Controls()) {
            const auto group = groups.find(row.parent);
            const std::string& pageName = group == groups.end() ? row.parent : group->second->parent;
            if (pageName != tab.name || row.hidden)
                continue;
            if (row.kind == layout::ControlKind::Picture)
                page.pictures.push_back(
                    {look::PicturePath(row.picture), QRect(row.x, row.y, row.width, row.height), row.stretch});
            if (row.kind == layout::ControlKind::Label) {
                const QString text = ShowsANumber(row.text) ? sample : look::FromUtf8(row.text);
                page.labels.push_back({text, PageOrigin(row, groups), row.face,
                                       look::ToQColor(row.colour.value_or(layout::colour::Black)),
                                       row.background ? std::optional(look::ToQColor(*row.background)) : std::nullopt});
            }
        }
        if (!page.pictures.empty())
            pages.push_back(std::move(page));
    }
    return pages;
}

} // namespace lirem::preview
