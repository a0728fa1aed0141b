// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/controls/SkinStatusBar.h"

#include "skin/controls/SkinBox.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QSizeGrip>
#include <QStatusBar>

namespace lirem::skin {

namespace {

constexpr int kEdgeFrames = 3;

PanelBevel BevelOf(const QFrame* frame) {
    if (frame == nullptr || frame->frameShape() == QFrame::NoFrame)
        return PanelBevel::Lowered;
    switch (frame->frameShadow()) {
    case QFrame::Raised:
        return PanelBevel::Raised;
    case QFrame::Plain:
        return PanelBevel::None;
    case QFrame::Sunken:
        break;
    }
    return PanelBevel::Lowered;
}

int EdgeFrame(PanelBevel bevel) {
    switch (bevel) {
    case PanelBevel::Raised:
        return 2;
    case PanelBevel::None:
        return 3;
    case PanelBevel::Lowered:
        break;
    }
    return 1;
}

// The panel's text, vertically centred on the height of "W", 2 pixels in
// from the left (or as far from the right), aligned by the panel's alignment.
void DrawPanelText(QPainter& painter, const StatusPanel& panel) {
    if (panel.text.isEmpty())
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int height = metrics.size(Qt::TextSingleLine, QStringLiteral("W")).height();
    const int y = panel.rect.top() + (panel.rect.height() - height) / 2;
    const QRect box(panel.rect.left() + 2, y, panel.rect.width() - 4, height);
    const Qt::Alignment horizontal = panel.alignment & Qt::AlignHorizontal_Mask;
    painter.drawText(box,
                     static_cast<int>(horizontal != 0 ? horizontal : Qt::AlignLeft) | Qt::AlignTop | Qt::TextSingleLine,
                     panel.text);
}

} // namespace

QList<StatusPanel> PanelsOf(const QWidget* bar) {
    QList<StatusPanel> panels;
    if (const auto* label = qobject_cast<const QLabel*>(bar)) {
        panels.append({bar->rect(), BevelOf(label), label->text(), label->alignment(), !label->text().isEmpty()});
        return panels;
    }
    const auto* status = qobject_cast<const QStatusBar*>(bar);
    if (status != nullptr && !status->currentMessage().isEmpty()) {
        panels.append({bar->rect(), PanelBevel::Lowered, status->currentMessage(), Qt::AlignLeft, true});
        return panels;
    }
    for (const QWidget* child : bar->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || qobject_cast<const QSizeGrip*>(child) != nullptr)
            continue;
        const auto* label = qobject_cast<const QLabel*>(child);
        StatusPanel panel;
        // The bevel lies one pixel around the panel, inside the bar, so that
        // a panel reaching the bar's edge keeps all four sides.
        panel.rect = child->geometry().adjusted(-1, -1, 1, 1).intersected(bar->rect());
        panel.bevel = BevelOf(qobject_cast<const QFrame*>(child));
        panel.hasText = label == nullptr || !label->text().isEmpty();
        panels.append(panel);
    }
    return panels;
}

void TSkinStatusBar::Attach(QWidget* control, TSkinData* skin, SkinScratch* canvas) {
    TSkinControl::Attach(control, skin, canvas);
    SetFaceColour(control, Look().buttonFace);
    if (auto* status = qobject_cast<QStatusBar*>(control))
        status->setSizeGripEnabled(false);
}

void TSkinStatusBar::PaintSkin(QPainter& painter, const QRect& /*rect*/) {
    const ControlLook look = Look();
    const QWidget* bar = Control();
    painter.setFont(RegularFont(bar->font()));
    const QList<StatusPanel> panels = PanelsOf(bar);
    const SkinElement& edges = look.statusBarEdges;
    if (edges.Usable()) {
        QColor text = bar->palette().color(QPalette::WindowText);
        if (const auto own = look.ColourOf(edges.normalColour))
            text = *own;
        painter.setPen(text);
        for (const StatusPanel& panel : panels) {
            if (panel.rect.isEmpty())
                continue;
            const int frame = EdgeFrame(panel.bevel);
            const ComposedCache::Key key{edges.image->cacheKey(), panel.rect.size(), kEdgeFrames, frame, 0, 0};
            const QPixmap& picture = edges_.Get(
                key, [&] { return QPixmap::fromImage(ComposeElement(edges, panel.rect.size(), kEdgeFrames, frame)); });
            painter.save();
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawPixmap(panel.rect.topLeft(), picture);
            painter.restore();
            DrawPanelText(painter, panel);
        }
        return;
    }
    painter.setPen(bar->palette().color(QPalette::WindowText));
    for (const StatusPanel& panel : panels) {
        const QRect r = panel.rect;
        if (r.isEmpty())
            continue;
        if (panel.bevel != PanelBevel::None) {
            const bool lowered = panel.bevel == PanelBevel::Lowered;
            const QColor topLeft = lowered ? look.buttonShadow : look.buttonHilight;
            const QColor bottomRight = lowered ? look.buttonHilight : look.buttonShadow;
            painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
            painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
            painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
            painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 1), bottomRight);
        }
        if (panel.hasText) {
            painter.fillRect(r.adjusted(1, 1, -1, -1), look.buttonFace);
            DrawPanelText(painter, panel);
        }
    }
}

} // namespace lirem::skin
