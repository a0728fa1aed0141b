// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinControlDraw.h"

#include "skin/controls/SkinScratch.h"
#include "skin/data/SkinDraw.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace lirem::skin {

QImage ComposeElement(const SkinElement& element, QSize size, int frameCount, int frame) {
    if (!element.Usable())
        return {};
    return ComposeNineSlice(size, *element.image, QMargins{element.left, element.top, element.right, element.bottom},
                            FrameStrip::Horizontal, element.tile != 0, frameCount, frame);
}

QPixmap SkinBackground(QSize size, const SkinElement& element, int frameCount, int frame, const QColor& face,
                       SkinScratch* scratch) {
    QImage own;
    QImage& canvas =
        scratch != nullptr ? scratch->Image(size) : (own = QImage(size, QImage::Format_ARGB32_Premultiplied));
    QPainter p(&canvas);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(QPoint(0, 0), size), face);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Skin images come with their magenta already see-through; an opaque
    // element shows ButtonFace there too rather than a hole or magenta.
    const QImage composed = ComposeElement(element, size, frameCount, frame);
    if (!composed.isNull())
        p.drawImage(0, 0, composed);
    p.end();
    return QPixmap::fromImage(canvas.copy(QRect(QPoint(0, 0), size)));
}

namespace {
constexpr int kCaptionFlags = Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextShowMnemonic;

CaptionCache::Entry Measure(const QString& text, const QFont& font) {
    CaptionCache::Entry entry;
    entry.text = text;
    entry.font = font;
    entry.size = QFontMetrics(font).size(kCaptionFlags, text);
    entry.plain = !text.contains(QLatin1Char('&')) && !text.contains(QLatin1Char('\t'));
    if (entry.plain) {
        entry.prepared.setText(text);
        entry.prepared.setTextFormat(Qt::PlainText);
        entry.prepared.setPerformanceHint(QStaticText::AggressiveCaching);
        entry.prepared.prepare(QTransform(), font);
    }
    return entry;
}
} // namespace

const CaptionCache::Entry& CaptionCache::Get(const QString& text, const QFont& font) {
    for (const Entry& entry : entries_)
        if (entry.text == text && entry.font == font)
            return entry;
    if (entries_.size() >= kCapacity)
        entries_.erase(entries_.begin());
    entries_.push_back(Measure(text, font));
    return entries_.back();
}

void DrawCenteredCaption(QPainter& painter, const QRect& rect, const QString& text, bool enabled, const QColor& shadow,
                         CaptionCache* cache) {
    if (text.isEmpty())
        return;
    CaptionCache::Entry own;
    const CaptionCache::Entry& caption =
        cache != nullptr ? cache->Get(text, painter.font()) : (own = Measure(text, painter.font()));
    const int x = rect.left() + (rect.width() - caption.size.width()) / 2;
    const int y = rect.top() + (rect.height() - caption.size.height()) / 2;
    const QPen pen = painter.pen();
    if (!enabled)
        painter.setPen(shadow);
    if (caption.plain)
        painter.drawStaticText(x, y, caption.prepared);
    else
        painter.drawText(QRect(QPoint(x, y), caption.size), kCaptionFlags | Qt::AlignCenter, text);
    if (!enabled)
        painter.setPen(pen);
}

void DrawPictureCaption(QPainter& painter, const QRect& rect, const QPixmap& picture, const QString& text, bool enabled,
                        const QColor& shadow, CaptionCache* cache) {
    painter.drawPixmap(rect.left() + 6, rect.top() + 1, picture);
    DrawCenteredCaption(painter, QRect(QPoint(rect.left() + 22, rect.top()), rect.bottomRight()), text, enabled, shadow,
                        cache);
}

void DrawCell(QPainter& painter, const QRect& rect, int frameCount, int k, const QImage& image) {
    if (image.isNull() || frameCount < 1 || rect.isEmpty())
        return;
    const int cell = image.width() / frameCount;
    const QRect from((k - 1) * cell, 0, cell, image.height());
    if (from.isEmpty() || from.right() >= image.width() || from.left() < 0)
        return;
    painter.drawImage(rect, image, from);
}

QFont RegularFont(QFont font) {
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace lirem::skin
