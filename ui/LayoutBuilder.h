// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds the widgets of the layout table into their pages and group boxes.

#include "ui/ControlMap.h"
#include "ui/DesignScale.h"
#include "ui/LayoutTable.h"

namespace lirem::ui {

// Creates one widget for every row, in order, under the parent named in the
// row (which must already be in `controls`), and registers it by name.
void BuildControls(const std::vector<ControlRow>& layout, const DesignScale& scale, ControlMap& controls);

// Chains the Tab order page by page: within a page or group box by the
// layout's tab order, a group box contributing its own children in its place.
void ApplyTabOrder(const std::vector<PageRow>& pages, const std::vector<ControlRow>& layout,
                   const ControlMap& controls);

// The first control of a page in Tab order; nullptr for a page without fields.
[[nodiscard]] QWidget* FirstField(const std::string& page, const std::vector<ControlRow>& layout,
                                  const ControlMap& controls);

} // namespace lirem::ui
