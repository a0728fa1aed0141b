#include "ui/TabBarStyle.h"

#include <QFontMetrics>
#include <QStyleOption>

namespace lirem::ui {

int TabBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    if (metric == PM_TabBarTabHSpace) {
        // Room for the caption plus about one letter on either side.
        const int em = option != nullptr ? option->fontMetrics.height() : 12;
        return em + em / 2;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace lirem::ui
