// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds the widgets of the layout table into their pages and group boxes.

#include "layout/LayoutTable.h"
#include "look/DesignScale.h"
#include "ui/ControlMap.h"

namespace lirem::ui {

// Creates one widget for every row, in order, under the parent named in the
// row (which must already be in `controls`), and registers it by name.
void BuildControls(const std::vector<layout::ControlRow>& layout, const look::DesignScale& scale, ControlMap& controls);

// Chains the Tab order page by page: within a page or group box by the
// layout's tab order, a group box contributing its own children in its place.
void ApplyTabOrder(const std::vector<layout::PageRow>& pages, const std::vector<layout::ControlRow>& layout,
                   const ControlMap& controls);

// The first control of a page in Tab order; nullptr for a page without fields.
[[nodiscard]] QWidget* FirstField(const std::string& page, const std::vector<layout::ControlRow>& layout,
                                  const ControlMap& controls);

} // namespace lirem::ui
