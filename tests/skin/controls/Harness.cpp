// SPDX-License-Identifier: GPL-3.0-or-later
#include "Harness.h"

#include <QApplication>
#include <QTest>

namespace lirem::skin::test {

Harness::Harness(std::unique_ptr<skin::TSkinData> data) : data_(std::move(data)) {
    window_.resize(420, 320);
}

void Harness::Show() {
    window_.show();
    window_.activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(&window_));
    QApplication::processEvents();
}

QImage Harness::Shot(QWidget& control) {
    QApplication::processEvents();
    return control.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QList<QRgb> ColoursBut(const QImage& image, const QRect& rect, QRgb except) {
    QList<QRgb> colours;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000u;
            if (c != (except | 0xFF000000u) && !colours.contains(c))
                colours.append(c);
        }
    return colours;
}

} // namespace lirem::skin::test
