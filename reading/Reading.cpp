// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/Reading.h"

#include "session/Pipeline.h"

namespace lirem::reading {

Reading MakeReading(const session::PersonInput& input) {
    Reading reading{input, {}};
    session::RunPerson(reading.input, reading.shown);
    return reading;
}

} // namespace lirem::reading
