// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small adjustments of the platform style for the window's fixed layout:
//  - page tabs with a little less padding, so the eight tabs fit in one row;
//  - group boxes with an etched frame and the caption in its top edge, so
//    children placed near the top stay inside the frame.

#include <QProxyStyle>

namespace lirem::ui {

class WindowStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

} // namespace lirem::ui
