// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/Reading.h"

#include "report/WindowRun.h"

namespace lirem::reading {

Reading MakeReading(const report::PersonInput& input) {
    Reading reading{input, {}};
    report::RunWindowHandlers(reading.input, reading.shown);
    return reading;
}

} // namespace lirem::reading
