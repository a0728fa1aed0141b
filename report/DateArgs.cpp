// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/DateArgs.h"

#include <charconv>

namespace lirem::report {

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1); // from_chars takes "-" but not "+"
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<session::BirthDate> ParseBirthDate(std::string_view text) {
    const std::size_t firstDot = text.find('.');
    if (firstDot == std::string_view::npos)
        return std::nullopt;
    const std::size_t secondDot = text.find('.', firstDot + 1);
    if (secondDot == std::string_view::npos)
        return std::nullopt;
    const auto day = ParseInt32(text.substr(0, firstDot));
    const auto month = ParseInt32(text.substr(firstDot + 1, secondDot - firstDot - 1));
    const auto year = ParseInt32(text.substr(secondDot + 1));
    if (!day || !month || !year)
        return std::nullopt;
    return session::BirthDate{*day, *month, *year};
}

std::optional<session::CalendarMonth> ParseCalendarMonth(std::string_view text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos || dash == 0)
        return std::nullopt;
    const std::string_view yearText = text.substr(0, dash);
    const std::string_view monthText = text.substr(dash + 1);
    const auto digitsOnly = [](std::string_view s) {
        for (const char c : s)
            if (c < '0' || c > '9')
                return false;
        return !s.empty();
    };
    if (!digitsOnly(yearText) || !digitsOnly(monthText) || yearText.size() > 4 || monthText.size() > 2)
        return std::nullopt;
    const auto year = ParseInt32(yearText);
    const auto month = ParseInt32(monthText);
    if (!year || !month || *year < 1)
        return std::nullopt;
    return session::CalendarMonth{*year, *month};
}

} // namespace lirem::report
