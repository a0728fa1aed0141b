// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/Error.h"

namespace lirem::book {

std::string_view CodeName(ErrorCode code) {
    switch (code) {
    case ErrorCode::NotABook:
        return "not-a-book";
    case ErrorCode::Damaged:
        return "damaged";
    case ErrorCode::Locked:
        return "locked";
    case ErrorCode::DiskFull:
        return "disk-full";
    case ErrorCode::ReadOnly:
        return "read-only";
    case ErrorCode::NotAFile:
        return "not-a-file";
    case ErrorCode::Missing:
        return "missing";
    case ErrorCode::CannotOpen:
        return "cannot-open";
    case ErrorCode::NoSuchCard:
        return "no-such-card";
    case ErrorCode::InvalidCard:
        return "invalid-card";
    case ErrorCode::Io:
        return "io";
    }
    return "io";
}

} // namespace lirem::book
