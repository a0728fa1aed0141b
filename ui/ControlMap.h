// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's named controls: layout name -> widget.

#include <QWidget>

#include <map>
#include <string>
#include <string_view>

namespace lirem::ui {

using ControlMap = std::map<std::string, QWidget*, std::less<>>;

[[nodiscard]] inline QWidget* FindControl(const ControlMap& controls, std::string_view name) {
    const auto it = controls.find(name);
    return it == controls.end() ? nullptr : it->second;
}

} // namespace lirem::ui
