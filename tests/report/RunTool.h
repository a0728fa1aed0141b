// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the report tool in-process on an argument list and captures its
// streams and exit status.

#include "report/App.h"

#include <sstream>
#include <string>
#include <vector>

namespace lirem::report::test {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline ToolRun RunTool(std::vector<std::string> args, const std::string& input = {},
                       session::CalendarMonth today = {2025, 9}) {
    args.insert(args.begin(), "lirem-report");
    std::vector<const char*> argv;
    argv.reserve(args.size());
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    ToolRun run;
    run.status = RunApp(static_cast<int>(argv.size()), argv.data(), in, out, err, today);
    run.out = out.str();
    run.err = err.str();
    return run;
}

} // namespace lirem::report::test
