#pragma once
// Tabs with a little less padding than the platform style gives them, so that
// the eight page tabs fit in one row of the window's width without scroll
// arrows.

#include <QProxyStyle>

namespace lirem::ui {

class TabBarStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
};

} // namespace lirem::ui
