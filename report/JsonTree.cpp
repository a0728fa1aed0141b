// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/JsonTree.h"

#include "engine/Cp1251.h"

namespace lirem::report {

JsonTree& JsonTree::Key(std::string_view key) {
    key_.assign(key);
    return *this;
}

nlohmann::ordered_json& JsonTree::Place(nlohmann::ordered_json value) {
    if (open_.empty()) {
        root_ = std::move(value);
        return root_;
    }
    nlohmann::ordered_json& parent = *open_.back();
    if (parent.is_array()) {
        parent.push_back(std::move(value));
        return parent.back();
    }
    nlohmann::ordered_json& member = parent[key_];
    member = std::move(value);
    return member;
}

JsonTree& JsonTree::Open(nlohmann::ordered_json container) {
    open_.push_back(&Place(std::move(container)));
    return *this;
}

JsonTree& JsonTree::Close() {
    open_.pop_back();
    return *this;
}

JsonTree& JsonTree::Put(nlohmann::ordered_json value) {
    Place(std::move(value));
    return *this;
}

JsonTree& JsonTree::Cp1251String(std::string_view text) {
    return Put(Cp1251ToUtf8(text));
}

} // namespace lirem::report
