// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two failures the engine raises. Both end the running handler; the
// window reports the message.

#include <stdexcept>
#include <string>

namespace lirem::engine {

class EngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A number's decimal text met a character that is no digit ("-").
class ConvertError : public EngineError {
public:
    explicit ConvertError(const std::string& bad) : EngineError("'" + bad + "' is not a valid integer value") {}
};

// A date was built from a month outside 1..12.
class DateEncodeError : public EngineError {
public:
    DateEncodeError() : EngineError("Invalid argument to date encode") {}
};

} // namespace lirem::engine
