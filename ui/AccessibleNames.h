// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How assistive technology announces the window's controls: every input and
// every result is named by the caption beside it ("Жизненный Путь" for the
// Life Path box), input fields also get that caption label as their buddy.

#include "layout/LayoutTable.h"
#include "ui/ControlMap.h"

#include <QString>

#include <string>
#include <vector>

namespace lirem::ui {

struct AccessibleCaption {
    std::string control;
    QString name;
    // The caption label beside an input field; empty for results.
    std::string buddy;
    // The caption label a result is named after; it is silent, as the result
    // says it. Empty for inputs and for controls without a caption label.
    std::string caption{};
};

// The accessible name of every captioned control, derived from the layout's
// caption texts (without their closing colon).
[[nodiscard]] std::vector<AccessibleCaption> AccessibleCaptions(const std::vector<layout::ControlRow>& layout);

// Sets the names and buddies on the built controls, silences the captions the
// results say, and names each page by its tab caption.
void ApplyAccessibleNames(const std::vector<layout::PageRow>& pages, const std::vector<layout::ControlRow>& layout,
                          const ControlMap& controls);

} // namespace lirem::ui
