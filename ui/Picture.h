// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture control: renders one SVG, either stretched to the control's box or
// at its natural size. An SVG's width and height are taken as design units
// (pixels at 120 ppi), so the natural size scales with the window. Screen
// readers leave the pictures out: they are decoration behind the results.

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

#include <memory>

namespace lirem::ui {

enum class PictureMode { Stretch, NaturalSize };

class Picture final : public QWidget {
    Q_OBJECT
public:
    Picture(const QString& resource, PictureMode mode, double scale, QWidget* parent = nullptr);

    [[nodiscard]] PictureMode Mode() const { return mode_; }
    [[nodiscard]] QString Resource() const { return resource_; }
    // Reads the SVG on first use, so building the window parses no picture.
    [[nodiscard]] bool IsLoaded() const { return Renderer().isValid(); }
    // The area the picture covers inside the control, in widget pixels.
    [[nodiscard]] QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    [[nodiscard]] const QSvgRenderer& Renderer() const;

    QString resource_;
    PictureMode mode_;
    double scale_;
    mutable std::unique_ptr<QSvgRenderer> renderer_;
    QPixmap cache_;
};

} // namespace lirem::ui
