// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinTab.h"

#include "skin/controls/SkinBox.h"
#include "skin/data/SkinDraw.h"

#include <QEvent>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>

namespace lirem::skin {

namespace {

constexpr int kTabFrames = 5;
constexpr int kBorderEdge = 3;

} // namespace

QRect TabPageArea(QSize control, int headerBottom, int tabsBottomMargin) {
    const int top = headerBottom - (tabsBottomMargin > 2 ? 1 : 2);
    return QRect(0, top, control.width(), control.height() - top);
}

void TSkinTab::Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) {
    TSkinControl::Attach(control, skin, canvas);
    SetFaceColour(control, Look().buttonFace);
    if (QTabBar* bar = Bar()) {
        Watch(bar);
        bar->update();
    }
}

QTabWidget* TSkinTab::Tabs() const {
    return qobject_cast<QTabWidget*>(Control());
}

QTabBar* TSkinTab::Bar() const {
    if (auto* bar = qobject_cast<QTabBar*>(Control()))
        return bar;
    return Tabs() != nullptr ? Tabs()->tabBar() : nullptr;
}

void TSkinTab::PaintSkin(QPainter& painter, const QRect& /*rect*/) {
    const ControlLook look = Look();
    if (look.tabs.Usable())
        PaintTabs(painter, look);
}

bool TSkinTab::ChildEvent(QObject* watched, QEvent* event) {
    QTabBar* bar = Bar();
    if (watched != bar || event->type() != QEvent::Paint)
        return false;
    const ControlLook look = Look();
    if (!look.tabs.Usable())
        return false;
    // The bar paints itself, then the skin goes over it, as for the control.
    static_cast<QObject*>(bar)->event(event);
    QPainter painter(bar);
    if (bar != Control())
        painter.translate(-bar->pos());
    PaintTabs(painter, look);
    return true;
}

void TSkinTab::PaintTabs(QPainter& painter, const ControlLook& look) {
    QWidget* control = Control();
    QTabBar* bar = Bar();
    if (bar == nullptr)
        return;
    const QPoint origin = bar == control ? QPoint() : bar->pos();
    // Only headers along the top edge are skinned; others keep their own look.
    if (bar != control && Tabs()->tabPosition() != QTabWidget::North)
        return;
    const int headerBottom = origin.y() + bar->height();

    // Band and page area in ButtonFace, then the border around the page.
    painter.fillRect(QRect(QPoint(), control->size()), look.buttonFace);
    if (bar != control && look.tabBorder != nullptr && !look.tabBorder->isNull()) {
        const QRect page = TabPageArea(control->size(), headerBottom, look.tabs.bottom);
        PaintBorder(painter, page, *look.tabBorder);
    }

    // Headers.
    painter.setFont(control->font());
    const int current = bar->currentIndex();
    for (int i = 0; i < bar->count(); ++i) {
        const QRect header = bar->tabRect(i).translated(origin);
        if (header.isEmpty())
            continue;
        const int frame = TabFrame(i == current);
        const ComposedCache::Key key{look.tabs.image->cacheKey(), header.size(), kTabFrames, frame, 0, 0};
        const QPixmap& picture = headers_.Get(
            key, [&] { return QPixmap::fromImage(ComposeElement(look.tabs, header.size(), kTabFrames, frame)); });
        painter.drawPixmap(header.topLeft(), picture);

        QColor text = look.buttonText;
        if (const auto own = look.ColourOf(i == current ? look.tabs.mouseOverColour : look.tabs.normalColour))
            text = *own;
        painter.setPen(text);
        const QIcon icon = bar->tabIcon(i);
        if (icon.isNull())
            DrawCenteredCaption(painter, header, bar->tabText(i), bar->isTabEnabled(i), look.buttonShadow, &captions_);
        else
            DrawPictureCaption(painter, header, icon.pixmap(bar->iconSize()), bar->tabText(i), bar->isTabEnabled(i),
                               look.buttonShadow, &captions_);
        if (i == current && bar->hasFocus())
            DrawFocusMark(painter, header, text);
    }
}

// A dotted rectangle inside the current header while the tab row has the
// keyboard focus, as the platform's own tabs show it.
void TSkinTab::DrawFocusMark(QPainter& painter, const QRect& header, const QColor& colour) {
    const QRect mark = header.adjusted(3, 3, -4, -4);
    if (mark.width() < 2 || mark.height() < 2)
        return;
    painter.save();
    QPen pen(colour, 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(mark);
    painter.restore();
}

void TSkinTab::PaintBorder(QPainter& painter, const QRect& page, const QImage& border) const {
    const int e = kBorderEdge;
    const int bw = border.width();
    const int bh = border.height();
    if (bw < 2 * e || bh < 2 * e || page.width() < 2 * e || page.height() < 2 * e)
        return;
    const int l = page.left();
    const int t = page.top();
    const int r = page.right() + 1 - e;
    const int b = page.bottom() + 1 - e;
    auto copy = [&](const QRect& to, const QRect& from) {
        if (!to.isEmpty() && !from.isEmpty())
            painter.drawImage(to, border, from);
    };
    // Edges stretched along the sides, then the corners on top.
    copy(QRect(l + e, t, page.width() - 2 * e, e), QRect(e, 0, bw - 2 * e, e));
    copy(QRect(l + e, b, page.width() - 2 * e, e), QRect(e, bh - e, bw - 2 * e, e));
    copy(QRect(l, t + e, e, page.height() - 2 * e), QRect(0, e, e, bh - 2 * e));
    copy(QRect(r, t + e, e, page.height() - 2 * e), QRect(bw - e, e, e, bh - 2 * e));
    copy(QRect(l, t, e, e), QRect(0, 0, e, e));
    copy(QRect(r, t, e, e), QRect(bw - e, 0, e, e));
    copy(QRect(l, b, e, e), QRect(0, bh - e, e, e));
    copy(QRect(r, b, e, e), QRect(bw - e, bh - e, e, e));
}

} // namespace lirem::skin
