// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed layout of the main window: every named control with its parent,
// kind, position and size in design units, initial text and look. Controls
// are listed in creation order; a later control lies on top of an earlier one.

#include "engine/DisplaySink.h"
#include "ui/Fonts.h"

#include <optional>
#include <string>
#include <vector>

namespace lirem::ui {

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
    QString text{};
    FontFace face = FontFace::Window;
    std::optional<engine::Rgb> colour{};
    std::optional<engine::Rgb> background{}; // labels; none: the parent's colour
    int rightBound = 0;                      // labels: x their right edge stays left of; 0: none
    bool hidden = false;
    int tabOrder = -1; // within the parent; -1: not focusable by Tab
    // spin edits
    int minimum = 0;
    int maximum = 0;
    int maxLength = 0;
    // pictures
    QString picture{};
    bool stretch = false;
    // memos
    MemoLook memo{};
};

struct PageRow {
    std::string name{};
    QString caption;
};

// The eight pages of pcPages, in tab order.
[[nodiscard]] const std::vector<PageRow>& Pages();

// Every control of the eight pages, in creation order.
[[nodiscard]] const std::vector<ControlRow>& Controls();

// Fixed texts.
[[nodiscard]] QStringList MonthNames();
[[nodiscard]] QStringList MiscMemoLines();
[[nodiscard]] QString AuthorText();
[[nodiscard]] QString StatusText();

} // namespace lirem::ui
