// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The same writing interface as JsonWriter, building a JSON library value
// instead: the single report is printed by the library, and tests compare the
// two writers.

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::report {

class JsonTree {
public:
    JsonTree& BeginObject() { return Open(nlohmann::ordered_json::object()); }
    JsonTree& EndObject() { return Close(); }
    JsonTree& BeginArray() { return Open(nlohmann::ordered_json::array()); }
    JsonTree& EndArray() { return Close(); }
    JsonTree& Key(std::string_view key);

    JsonTree& Int(std::int64_t value) { return Put(value); }
    JsonTree& Bool(bool value) { return Put(value); }
    JsonTree& Null() { return Put(nullptr); }
    JsonTree& Cp1251String(std::string_view text);

    template <typename Range> JsonTree& IntArray(const Range& values) {
        BeginArray();
        for (const auto v : values)
            Int(static_cast<std::int64_t>(v));
        return EndArray();
    }

    // The finished value (after the outermost container was closed).
    [[nodiscard]] const nlohmann::ordered_json& Value() const noexcept { return root_; }

private:
    JsonTree& Open(nlohmann::ordered_json container);
    JsonTree& Close();
    JsonTree& Put(nlohmann::ordered_json value);
    nlohmann::ordered_json& Place(nlohmann::ordered_json value);

    nlohmann::ordered_json root_;
    std::vector<nlohmann::ordered_json*> open_; // containers being filled, innermost last
    std::string key_;                           // key of the next member of an object
};

} // namespace lirem::report
