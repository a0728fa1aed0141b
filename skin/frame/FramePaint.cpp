// SPDX-License-Identifier: GPL-3.0-or-later
// TWinSkinForm: painting the frame and cutting the window's shape from it.
#include "skin/frame/WinSkinForm.h"

#include "skin/data/SkinDraw.h"
#include "skin/frame/FrameHelpers.h"
#include "skin/frame/NCObjects.h"
#include "skin/frame/WinSkinMenu.h"

#include <QPainter>
#include <QtMath>

namespace lirem::skin {

QImage TWinSkinForm::ComposeBorder(const TDataSkinBorder& border, QSize size, bool vertical) const {
    if (size.isEmpty() || border.Bitmap.isNull())
        return {};
    const int frames = Frames(border);
    const QMargins margins{border.LeftWidth, border.TopHeight, border.RightWidth, border.BottomHeight};
    return ComposeNineSlice(size, border.Bitmap, margins, vertical ? FrameStrip::Vertical : FrameStrip::Horizontal,
                            border.Tile != 1, frames, BorderFrameIndex(active_, frames));
}

const TWinSkinForm::BorderImages& TWinSkinForm::Borders() {
    const QSize size = form_->size();
    if (borders_.size == size && borders_.active == active_ && !borders_.left.isNull())
        return borders_;
    const TSkinData& skin = *skinData_;
    const int w = size.width();
    const int h = size.height();
    borders_.size = size;
    borders_.active = active_;
    borders_.left = ComposeBorder(skin.Left(), QSize(leftWidth_, h), false);
    borders_.right = ComposeBorder(skin.Right(), QSize(rightWidth_, h), false);
    borders_.bottom = ComposeBorder(skin.Bottom(), QSize(w - leftWidth_ - rightWidth_, bottomHeight_), true);
    borders_.top = ComposeBorder(skin.Top(), QSize(w - leftWidth_ - rightWidth_, titleHeight_), true);
    return borders_;
}

void TWinSkinForm::PaintFrame(QPainter& painter) {
    if (!attached_ || form_ == nullptr || skinData_ == nullptr)
        return;
    try {
        const BorderImages& b = Borders();
        const int w = form_->width();
        const int h = form_->height();
        const int below = h - titleHeight_;
        if (!b.left.isNull())
            painter.drawImage(QPoint(0, titleHeight_), b.left, QRect(0, titleHeight_, leftWidth_, below));
        if (!b.right.isNull())
            painter.drawImage(QPoint(w - rightWidth_, titleHeight_), b.right,
                              QRect(0, titleHeight_, rightWidth_, below));
        if (!b.bottom.isNull())
            painter.drawImage(QPoint(leftWidth_, h - bottomHeight_), b.bottom);
        PaintTitle(painter, b);
        if (menuBar_ != nullptr)
            menuBar_->Paint(painter);
    } catch (const std::exception&) {
        // A frame that cannot be drawn stays as it was.
    }
}

// The title band is composed off screen and copied in one piece, so its parts never flicker.
void TWinSkinForm::PaintTitle(QPainter& painter, const BorderImages& b) {
    const int w = form_->width();
    if (w <= 0 || titleHeight_ <= 0)
        return;
    // Composed at the screen's pixel density so that the caption text stays sharp on scaled screens.
    const qreal dpr = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels(qCeil(w * dpr), qCeil(titleHeight_ * dpr));
    if (titleScratch_.size() != pixels || titleScratch_.devicePixelRatio() != dpr) {
        titleScratch_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        titleScratch_.setDevicePixelRatio(dpr);
    }
    titleScratch_.fill(Qt::transparent);
    QPainter scratch(&titleScratch_);
    // On a scaled screen the frame's images are magnified smoothly, not pixel-doubled.
    scratch.setRenderHint(QPainter::SmoothPixmapTransform, dpr != 1.0);
    scratch.setCompositionMode(QPainter::CompositionMode_Source);
    if (!b.left.isNull())
        scratch.drawImage(QPoint(0, 0), b.left, QRect(0, 0, leftWidth_, titleHeight_));
    if (!b.right.isNull())
        scratch.drawImage(QPoint(w - rightWidth_, 0), b.right, QRect(0, 0, rightWidth_, titleHeight_));
    if (!b.top.isNull())
        scratch.drawImage(QPoint(leftWidth_, 0), b.top);
    scratch.setCompositionMode(QPainter::CompositionMode_SourceOver);
    DrawTitleText(scratch, QRect(leftWidth_, 0, w - leftWidth_ - rightWidth_, titleHeight_));
    for (const auto& button : sysButtons_)
        button->NCPaint(scratch);
    scratch.end();
    painter.drawImage(QPoint(0, 0), titleScratch_);
}

void TWinSkinForm::DrawTitleText(QPainter& painter, const QRect& area) {
    const TDataSkinTitle& title = skinData_->Title();
    const SkinPalette& pal = skinData_->Palette();
    const QRect text = titleTextRect_;
    if (!title.Bitmap.isNull()) {
        DrawHorzStrip(painter, QRect(text.left(), area.top(), text.width(), area.height()), title.Bitmap,
                      FrameStrip::Vertical, true, 2, active_ ? 1 : 2, title.TXTBackleft, title.TXTBackRight);
    }
    const QRect box(text.left() + title.TXTBackleft, text.top(), text.width() - title.TXTBackleft, text.height());
    if (box.width() <= 0)
        return;
    QString line = TitleText();
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QFontMetrics fm(captionFont_);
    painter.setFont(captionFont_);
    painter.setPen(ResolveColour(active_ ? pal.TitleTextActive : pal.TitleTextInactive, form_->palette()));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     fm.elidedText(line, Qt::ElideRight, box.width()));
}

void TWinSkinForm::RepaintFrame() {
    if (form_ == nullptr)
        return;
    form_->update(QRegion(form_->rect()).subtracted(ClientRect()));
}

void TWinSkinForm::RepaintObject(const TNCObject& object) {
    if (form_ != nullptr && attached_ && !object.Rect.isEmpty())
        form_->update(object.Rect);
}

// --- window shape ------------------------------------------------------------------

// Only the border images can hold see-through pixels: the title text and the
// caption buttons are drawn over them, and the client area and the menu bar
// are solid. So the shape is built from the four composed borders and the
// inner rectangle, which gives the same region as scanning the whole window.
QRegion TWinSkinForm::ComputeWindowRegion() {
    if (!attached_ || form_ == nullptr || skinData_ == nullptr)
        return {};
    const BorderImages& b = Borders();
    const int w = form_->width();
    const int h = form_->height();
    QRegion region(QRect(leftWidth_, titleHeight_, w - leftWidth_ - rightWidth_, h - titleHeight_ - bottomHeight_));
    const auto add = [&region](const QImage& image, const QRect& where) {
        if (where.isEmpty())
            return;
        if (image.isNull())
            region += where; // a missing image leaves the window's face there
        else
            region += RegionFromBitmap(image, kMagenta, 1, 1, 1).translated(where.topLeft());
    };
    add(b.left, QRect(0, 0, leftWidth_, h));
    add(b.right, QRect(w - rightWidth_, 0, rightWidth_, h));
    add(b.top, QRect(leftWidth_, 0, w - leftWidth_ - rightWidth_, titleHeight_));
    add(b.bottom, QRect(leftWidth_, h - bottomHeight_, w - leftWidth_ - rightWidth_, bottomHeight_));
    return region;
}

void TWinSkinForm::BuildWindowRegion() {
    if (!attached_ || form_ == nullptr)
        return;
    // The same images at the same places cut the shape the window has.
    const BorderImages& b = Borders();
    const RegionSource source{form_->size(),
                              {leftWidth_, titleHeight_, rightWidth_, bottomHeight_},
                              {b.left.cacheKey(), b.right.cacheKey(), b.top.cacheKey(), b.bottom.cacheKey()}};
    if (regionSource_ == source)
        return;
    regionSource_ = source;
    windowRegion_ = ComputeWindowRegion();
    form_->setMask(windowRegion_);
}

} // namespace lirem::skin
