// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinScrollBar.h"

#include "skin/controls/SkinControlDraw.h"
#include "skin/controls/SkinScratch.h"
#include "skin/data/SkinDraw.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>

namespace lirem::skin {

namespace {

constexpr int kArrowCells = 23;
constexpr int kTrackFrames = 4;
constexpr int kMinimumThumb = 8;

// Arrow cells (normal, pressed = normal + 1).
constexpr int kLeftCell = 1;
constexpr int kRightCell = 5;
constexpr int kUpCell = 9;
constexpr int kDownCell = 13;

} // namespace

void TSkinScrollBar::Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) {
    TSkinControl::Attach(control, skin, canvas);
    Track(Bar(Qt::Horizontal));
    Track(Bar(Qt::Vertical));
}

QScrollBar* TSkinScrollBar::Bar(Qt::Orientation orientation) const {
    const auto* area = qobject_cast<const QAbstractScrollArea*>(Control());
    if (area == nullptr)
        return nullptr;
    return orientation == Qt::Horizontal ? area->horizontalScrollBar() : area->verticalScrollBar();
}

bool TSkinScrollBar::HasBar(Qt::Orientation orientation) const {
    const QScrollBar* bar = Bar(orientation);
    return bar != nullptr && bar->isVisible();
}

void TSkinScrollBar::Track(QScrollBar* bar) {
    if (bar == nullptr)
        return;
    Watch(bar);
    const Qt::Orientation orientation = bar->orientation();
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, orientation](int action) { Record(orientation, action); });
    connect(bar, &QAbstractSlider::sliderPressed, this,
            [this, orientation] { Record(orientation, QAbstractSlider::SliderMove); });
}

void TSkinScrollBar::Record(Qt::Orientation orientation, int action) {
    const bool horizontal = orientation == Qt::Horizontal;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        pressed_ = horizontal ? ScrollPart::LeftArrow : ScrollPart::UpArrow;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        pressed_ = horizontal ? ScrollPart::RightArrow : ScrollPart::DownArrow;
        break;
    case QAbstractSlider::SliderMove:
        pressed_ = horizontal ? ScrollPart::HorzThumb : ScrollPart::VertThumb;
        break;
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderPageStepSub:
        pressed_ = ScrollPart::None;
        break;
    default: // to the top or bottom: unchanged
        return;
    }
    if (QScrollBar* bar = Bar(orientation))
        bar->update();
}

bool TSkinScrollBar::Skinned(const ControlLook& look) const {
    return look.scrollbar.Usable();
}

bool TSkinScrollBar::ChildEvent(QObject* watched, QEvent* event) {
    auto* bar = qobject_cast<QScrollBar*>(watched);
    if (bar == nullptr || (bar != Bar(Qt::Horizontal) && bar != Bar(Qt::Vertical)))
        return false;
    const ControlLook look = Look();
    if (!Skinned(look))
        return false;
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
        // The bar's own hover look would only be painted over.
        return true;
    case QEvent::MouseButtonRelease: {
        // End of scrolling: nothing is held any more.
        static_cast<QObject*>(bar)->event(event);
        pressed_ = ScrollPart::None;
        bar->update();
        return true;
    }
    case QEvent::Paint: {
        static_cast<QObject*>(bar)->event(event);
        QPainter painter(bar);
        PaintBar(painter, *bar, look);
        return true;
    }
    default:
        return false;
    }
}

void TSkinScrollBar::PaintSkin(QPainter& painter, const QRect& /*rect*/) {
    const ControlLook look = Look();
    if (!Skinned(look) || !HasBar(Qt::Horizontal) || !HasBar(Qt::Vertical))
        return;
    // The square between the two bars.
    const QScrollBar* horizontal = Bar(Qt::Horizontal);
    const QScrollBar* vertical = Bar(Qt::Vertical);
    const QPoint h = horizontal->mapTo(Control(), QPoint());
    const QPoint v = vertical->mapTo(Control(), QPoint());
    FillFace(painter, QRect(v.x(), h.y(), vertical->width(), horizontal->height()));
}

void TSkinScrollBar::PaintBar(QPainter& painter, const QScrollBar& bar, const ControlLook& look) {
    const bool horizontal = bar.orientation() == Qt::Horizontal;
    const QSize size = bar.size();
    const int length = horizontal ? size.width() : size.height();
    const int thickness = horizontal ? size.height() : size.width();
    if (length <= 0 || thickness <= 0)
        return;

    SkinScratch* scratch = Canvas();
    QImage own;
    QImage& image =
        scratch != nullptr ? scratch->Image(size) : (own = QImage(size, QImage::Format_ARGB32_Premultiplied));
    const QRect whole(QPoint(), size);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(whole, look.scrollbarColour);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // Arrow squares, halved when the bar is shorter than two of them.
    const int arrow = length < 2 * thickness ? length / 2 : thickness;
    const auto along = [&](int start, int extent) {
        return horizontal ? QRect(start, 0, extent, thickness) : QRect(0, start, thickness, extent);
    };

    // Track.
    const SkinElement& track = horizontal ? look.horzScroll : look.vertScroll;
    const QRect trackRect = along(arrow, length - 2 * arrow);
    if (track.Usable() && !trackRect.isEmpty())
        DrawNineSlice(p, trackRect, *track.image, FrameStrip::Horizontal, track.tile != 0, track.trans != 0,
                      kTrackFrames, 1, QMargins{track.left, track.top, track.right, track.bottom});

    // Arrows.
    const int first = horizontal ? kLeftCell : kUpCell;
    const int second = horizontal ? kRightCell : kDownCell;
    const bool firstDown = pressed_ == (horizontal ? ScrollPart::LeftArrow : ScrollPart::UpArrow);
    const bool secondDown = pressed_ == (horizontal ? ScrollPart::RightArrow : ScrollPart::DownArrow);
    DrawCell(p, along(0, arrow), kArrowCells, first + (firstDown ? 1 : 0), *look.scrollbar.image);
    DrawCell(p, along(length - arrow, arrow), kArrowCells, second + (secondDown ? 1 : 0), *look.scrollbar.image);

    // Thumb.
    const ScrollInfo info{bar.minimum(), bar.maximum() + bar.pageStep() - 1, bar.pageStep(), bar.sliderPosition()};
    const ThumbGeometry thumb = ThumbOf(length, thickness, info, kMinimumThumb, thickness);
    const SkinElement& knob = horizontal ? look.horzScrollThumb : look.vertScrollThumb;
    if (knob.Usable() && thumb.track >= thumb.length && thumb.length > 0) {
        const bool dragged = pressed_ == (horizontal ? ScrollPart::HorzThumb : ScrollPart::VertThumb);
        DrawNineSlice(p, along(thickness + thumb.offset, thumb.length), *knob.image, FrameStrip::Horizontal, false,
                      knob.trans != 0, std::max(1, knob.frames), dragged ? 2 : 1,
                      QMargins{knob.left, knob.top, knob.right, knob.bottom});
    }
    p.end();
    painter.drawImage(QPoint(), image, whole);
}

} // namespace lirem::skin
