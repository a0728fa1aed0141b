// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Layout positions and sizes are design units: pixels of a 120 dpi screen.
// The window converts them once, when it is built, for the screen it is on.

#include <QRect>

#include <cmath>

namespace lirem::look {

class DesignScale {
public:
    static constexpr double kDesignDpi = 120.0;

    explicit DesignScale(double logicalDpi) : factor_(logicalDpi / kDesignDpi) {}

    // Rounds half away from zero, like the integer scaling of the original layout.
    [[nodiscard]] int operator()(int designUnits) const {
        return static_cast<int>(std::lround(static_cast<double>(designUnits) * factor_));
    }
    [[nodiscard]] QRect Rect(int x, int y, int w, int h) const {
        return {(*this)(x), (*this)(y), (*this)(w), (*this)(h)};
    }
    [[nodiscard]] QPoint Point(int x, int y) const { return {(*this)(x), (*this)(y)}; }
    [[nodiscard]] double Factor() const { return factor_; }

private:
    double factor_;
};

} // namespace lirem::look
