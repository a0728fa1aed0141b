// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/PictureCache.h"

#include <QFont>
#include <QHash>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace lirem::reading {

QSvgRenderer& Picture(const QString& resource) {
    static QHash<QString, std::shared_ptr<QSvgRenderer>> cache;
    auto it = cache.find(resource);
    if (it == cache.end())
        it = cache.insert(resource, std::make_shared<QSvgRenderer>(resource));
    return **it;
}

namespace {

using Step = std::function<void(QPainter&)>;

// Takes down what a painter hands its engine as painter calls to make again
// on another painter: state changes and shapes, in their order. The engine
// claims every feature, so the painter hands over the calls as they were made
// and the painter replaying them decides for its own device as it would have.
// Text, images and clipping are not taken down; a drawing with any of them
// is not faithful and is rendered afresh each time.
class RecordingEngine final : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}

    [[nodiscard]] bool Faithful() const { return faithful_; }
    [[nodiscard]] std::vector<Step> TakeSteps() { return std::move(steps_); }

    bool begin(QPaintDevice* /*device*/) override { return true; }
    bool end() override { return true; }
    [[nodiscard]] Type type() const override { return User; }

    void updateState(const QPaintEngineState& now) override {
        const DirtyFlags flags = now.state();
        if (((flags & (DirtyClipPath | DirtyClipRegion)) && now.clipOperation() != Qt::NoClip) ||
            ((flags & DirtyClipEnabled) && now.isClipEnabled()))
            faithful_ = false;
        if (flags & DirtyTransform)
            Add([m = now.transform()](QPainter& p) { p.setWorldTransform(m); });
        if (flags & DirtyPen)
            Add([pen = now.pen()](QPainter& p) { p.setPen(pen); });
        if (flags & DirtyBrush)
            Add([brush = now.brush()](QPainter& p) { p.setBrush(brush); });
        if (flags & DirtyBrushOrigin)
            Add([origin = now.brushOrigin()](QPainter& p) { p.setBrushOrigin(origin); });
        if (flags & DirtyBackground)
            Add([brush = now.backgroundBrush()](QPainter& p) { p.setBackground(brush); });
        if (flags & DirtyBackgroundMode)
            Add([mode = now.backgroundMode()](QPainter& p) { p.setBackgroundMode(mode); });
        if (flags & DirtyFont)
            Add([font = now.font()](QPainter& p) { p.setFont(font); });
        if (flags & DirtyHints)
            Add([hints = now.renderHints()](QPainter& p) {
                p.setRenderHints(~hints, false);
                p.setRenderHints(hints, true);
            });
        if (flags & DirtyCompositionMode)
            Add([mode = now.compositionMode()](QPainter& p) { p.setCompositionMode(mode); });
        if (flags & DirtyOpacity)
            Add([opacity = now.opacity()](QPainter& p) { p.setOpacity(opacity); });
    }

    void drawRects(const QRect* rects, int count) override {
        Add([r = std::vector<QRect>(rects, rects + count)](QPainter& p) { p.drawRects(r.data(), Count(r)); });
    }
    void drawRects(const QRectF* rects, int count) override {
        Add([r = std::vector<QRectF>(rects, rects + count)](QPainter& p) { p.drawRects(r.data(), Count(r)); });
    }
    void drawLines(const QLine* lines, int count) override {
        Add([l = std::vector<QLine>(lines, lines + count)](QPainter& p) { p.drawLines(l.data(), Count(l)); });
    }
    void drawLines(const QLineF* lines, int count) override {
        Add([l = std::vector<QLineF>(lines, lines + count)](QPainter& p) { p.drawLines(l.data(), Count(l)); });
    }
    void drawEllipse(const QRectF& rect) override {
        Add([rect](QPainter& p) { p.drawEllipse(rect); });
    }
    void drawEllipse(const QRect& rect) override {
        Add([rect](QPainter& p) { p.drawEllipse(rect); });
    }
    void drawPath(const QPainterPath& path) override {
        Add([path](QPainter& p) { p.drawPath(path); });
    }
    void drawPoints(const QPointF* points, int count) override {
        Add([v = std::vector<QPointF>(points, points + count)](QPainter& p) { p.drawPoints(v.data(), Count(v)); });
    }
    void drawPoints(const QPoint* points, int count) override {
        Add([v = std::vector<QPoint>(points, points + count)](QPainter& p) { p.drawPoints(v.data(), Count(v)); });
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        Add([v = std::vector<QPointF>(points, points + count), mode](QPainter& p) { Polygon(p, v, mode); });
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
        Add([v = std::vector<QPoint>(points, points + count), mode](QPainter& p) { Polygon(p, v, mode); });
    }
    void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override { faithful_ = false; }
    void drawTextItem(const QPointF& /*p*/, const QTextItem& /*textItem*/) override { faithful_ = false; }
    void drawTiledPixmap(const QRectF& /*r*/, const QPixmap& /*pixmap*/, const QPointF& /*s*/) override {
        faithful_ = false;
    }
    void drawImage(const QRectF& /*r*/, const QImage& /*pm*/, const QRectF& /*sr*/,
                   Qt::ImageConversionFlags /*flags*/) override {
        faithful_ = false;
    }

private:
    template <typename T> static int Count(const std::vector<T>& v) { return static_cast<int>(v.size()); }

    template <typename Point> static void Polygon(QPainter& p, const std::vector<Point>& v, PolygonDrawMode mode) {
        switch (mode) {
        case PolylineMode:
            p.drawPolyline(v.data(), Count(v));
            break;
        case ConvexMode:
            p.drawConvexPolygon(v.data(), Count(v));
            break;
        case OddEvenMode:
            p.drawPolygon(v.data(), Count(v), Qt::OddEvenFill);
            break;
        case WindingMode:
            p.drawPolygon(v.data(), Count(v), Qt::WindingFill);
            break;
        }
    }

    void Add(Step step) { steps_.push_back(std::move(step)); }

    std::vector<Step> steps_;
    bool faithful_ = true;
};

// A device of the target's size and resolution that records.
class RecordingDevice final : public QPaintDevice {
public:
    explicit RecordingDevice(const QPaintDevice& target) : target_(target) {}

    [[nodiscard]] QPaintEngine* paintEngine() const override { return &engine_; }
    [[nodiscard]] RecordingEngine& Engine() { return engine_; }

protected:
    [[nodiscard]] int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return target_.width();
        case PdmHeight:
            return target_.height();
        case PdmWidthMM:
            return target_.widthMM();
        case PdmHeightMM:
            return target_.heightMM();
        case PdmNumColors:
            return target_.colorCount();
        case PdmDepth:
            return target_.depth();
        case PdmDpiX:
            return target_.logicalDpiX();
        case PdmDpiY:
            return target_.logicalDpiY();
        case PdmPhysicalDpiX:
            return target_.physicalDpiX();
        case PdmPhysicalDpiY:
            return target_.physicalDpiY();
        case PdmDevicePixelRatio:
            return static_cast<int>(target_.devicePixelRatio());
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(target_.devicePixelRatioF() * devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QPaintDevice& target_;
    mutable RecordingEngine engine_;
};

// One picture drawn into one box by a painter in one state; `steps` is empty
// when the drawing is not faithful.
struct Recording {
    QString resource;
    QRectF box;
    QTransform transform;
    QFont font;
    QPainter::RenderHints hints;
    std::vector<Step> steps;
};

} // namespace

void DrawPicture(QPainter& painter, const QString& resource, const QRectF& box) {
    // Everything of the painter's state an SVG drawing takes up: the SVG sets
    // its own pens and brushes, while a text takes its family and size from
    // the SVG and the rest (weight, style) from the font the painter holds.
    static std::vector<Recording> recordings;
    const QTransform transform = painter.worldTransform();
    const QFont font = painter.font();
    const QPainter::RenderHints hints = painter.renderHints();
    const auto same = [&](const Recording& r) {
        return r.resource == resource && r.box == box && r.transform == transform && r.hints == hints && r.font == font;
    };
    auto it = std::find_if(recordings.begin(), recordings.end(), same);
    QSvgRenderer& renderer = Picture(resource);
    if (!renderer.isValid())
        return;
    // A window printing at ever new scales would grow the list without end;
    // past a few dozen drawings the rest are rendered afresh.
    constexpr std::size_t kMostRecordings = 64;
    if (it == recordings.end() && painter.device() != nullptr && recordings.size() < kMostRecordings) {
        RecordingDevice device(*painter.device());
        QPainter recorder(&device);
        recorder.setWorldTransform(transform);
        recorder.setFont(font);
        recorder.setRenderHints(hints);
        recorder.setPen(painter.pen());
        recorder.setBrush(painter.brush());
        renderer.render(&recorder, box);
        recorder.end();
        Recording recording{resource, box, transform, font, hints, {}};
        if (device.Engine().Faithful())
            recording.steps = device.Engine().TakeSteps();
        recordings.push_back(std::move(recording));
        it = std::prev(recordings.end());
    }
    if (it == recordings.end() || it->steps.empty()) {
        renderer.render(&painter, box);
        return;
    }
    painter.save();
    for (const Step& step : it->steps)
        step(painter);
    painter.restore();
}

} // namespace lirem::reading
