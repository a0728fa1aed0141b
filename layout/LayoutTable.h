// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed layout of the main window: every named control with its parent,
// kind, position and size in design units, initial text and look. Controls
// are listed in creation order; a later control lies on top of an earlier one.
// The only copy of the layout: the window, the reading, the text report, the
// preview tool and the tests read it. Texts are UTF-8.

#include "layout/Colour.h"
#include "layout/FontFace.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::layout {

enum class ControlKind { Label, ValueBox, Edit, SpinEdit, ComboBox, Memo, GroupBox, Picture, Button };

struct MemoLook {
    bool readOnly = false;
    bool border = true;
    bool verticalScrollBar = false;
    bool buttonFaceBackground = false;
    bool tabStop = true;
};

struct ControlRow {
    std::string name{};
    ControlKind kind = ControlKind::Label;
    std::string parent{}; // a page or a group box
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string text{};
    FontFace face = FontFace::Window;
    std::optional<Rgb> colour{};
    std::optional<Rgb> background{}; // labels; none: the parent's colour
    int rightBound = 0;              // labels: x their right edge stays left of; 0: none
    bool hidden = false;
    int tabOrder = -1; // within the parent; -1: not focusable by Tab
    // spin edits
    int minimum = 0;
    int maximum = 0;
    int maxLength = 0;
    // pictures: the file name among the program's pictures
    std::string picture{};
    bool stretch = false;
    // memos
    MemoLook memo{};
};

// The window's client area, in design units: the tab pages above, the
// status bar below; and the inside of one tab page, where its controls stand.
inline constexpr int kClientWidth = 681;
inline constexpr int kClientHeight = 381;
inline constexpr int kPagesHeight = 360;
inline constexpr int kPageWidth = 673;
inline constexpr int kPageHeight = 330;

struct PageRow {
    std::string name{};
    std::string caption;
};

// The eight pages of pcPages, in tab order.
[[nodiscard]] const std::vector<PageRow>& Pages();

// Every control of the eight pages, in creation order.
[[nodiscard]] const std::vector<ControlRow>& Controls();

// Fixed texts.
[[nodiscard]] std::string_view WindowCaption();
// The application title: the caption of every error box.
[[nodiscard]] std::string_view ApplicationTitle();
[[nodiscard]] const std::vector<std::string_view>& MonthNames();
[[nodiscard]] const std::vector<std::string_view>& MiscMemoLines();
[[nodiscard]] std::string_view AuthorText();
[[nodiscard]] std::string_view StatusText();

// The row of a control, or nothing for a name the layout lacks.
[[nodiscard]] const ControlRow* FindControl(std::string_view name);

} // namespace lirem::layout
