// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/frame/SkinMenuStyle.h"

#include "skin/data/SkinDraw.h"
#include "skin/data/WinSkinData.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionMenuItem>

namespace lirem::skin {

namespace {

// The item an option stands for: by position while drawing, by caption while measuring.
const QAction* ActionOf(const QStyleOptionMenuItem& item, const QWidget* widget, bool measuring) {
    const auto* menu = qobject_cast<const QMenu*>(widget);
    if (menu == nullptr)
        return nullptr;
    if (!measuring)
        return menu->actionAt(item.rect.center());
    const QString caption = item.text.section(QLatin1Char('\t'), 0, 0);
    for (const QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == caption)
            return action;
    }
    return nullptr;
}

QColor Resolve(Colour colour, const QWidget* widget) {
    return ResolveColour(colour, widget != nullptr ? widget->palette() : QApplication::palette());
}

void DrawCheckMark(QPainter& painter, const QRect& box, const QColor& colour) {
    const QPointF c = QRectF(box).center();
    QPainterPath path;
    path.moveTo(c.x() - 3.5, c.y() - 0.5);
    path.lineTo(c.x() - 1.0, c.y() + 2.0);
    path.lineTo(c.x() + 3.5, c.y() - 2.5);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

void DrawSubMenuArrow(QPainter& painter, const QRect& item, const QColor& colour) {
    const int x = item.right() - 8;
    const int y = item.center().y();
    QPolygon arrow;
    arrow << QPoint(x - 3, y - 4) << QPoint(x + 1, y) << QPoint(x - 3, y + 4);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(arrow);
    painter.restore();
}

} // namespace

SkinMenuStyle::SkinMenuStyle(const TSkinData* skin) : skin_(skin) {}

bool SkinMenuStyle::Skins(const QStyleOption* option, const QWidget* widget, bool measuring) const {
    if (skin_ == nullptr || skin_->SkinEmpty())
        return false;
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr)
        return true;
    const QAction* action = ActionOf(*item, widget, measuring);
    return action == nullptr || action->property("Tag").toInt() != kUnskinnedMenuItemTag;
}

void SkinMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    if (element == CE_MenuItem && Skins(option, widget, false)) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            DrawMenuItem(*item, *painter, widget);
            return;
        }
    }
    if (element == CE_MenuEmptyArea && Skins(option, widget, false))
        return; // the panel shows through
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SkinMenuStyle::DrawMenuItem(const QStyleOptionMenuItem& item, QPainter& painter, const QWidget* widget) const {
    const SkinPalette& pal = skin_->Palette();
    const QRect r = item.rect;
    const bool selected = (item.state & State_Selected) != 0;
    const bool enabled = (item.state & State_Enabled) != 0;

    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = r.top() + r.height() / 2 - 1;
        painter.fillRect(r, Resolve(pal.Menu, widget));
        painter.fillRect(QRect(r.left() + 1, y, r.width() - 2, 1), Resolve(pal.ButtonShadow, widget));
        painter.fillRect(QRect(r.left() + 1, y + 1, r.width() - 2, 1), Resolve(pal.ButtonHilight, widget));
        return;
    }

    // Background.
    if (const TDataSkinObject* element = skin_->MenuItem(); element != nullptr && !element->Bitmap.isNull()) {
        DrawNineSlice(painter, r, element->Bitmap, FrameStrip::Horizontal, element->Tile != 0, element->Trans != 0, 5,
                      selected ? 4 : 1,
                      {element->LeftWidth, element->TopHeight, element->RightWidth, element->BottomHeight});
    } else {
        painter.fillRect(r, Resolve(selected ? pal.Hilight : pal.ButtonFace, widget));
    }

    // Picture or check mark in the 16 x 16 box at the left.
    const QRect box(r.left() + 1, r.top() + (r.height() - 16) / 2, 16, 16);
    if (!item.icon.isNull()) {
        const QIcon::Mode mode = enabled ? (selected ? QIcon::Active : QIcon::Normal) : QIcon::Disabled;
        item.icon.paint(&painter, box, Qt::AlignCenter, mode, QIcon::Off);
    } else if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
        DrawCheckMark(painter, box, Resolve(pal.ButtonText, widget));
    }

    // Caption and shortcut.
    QColor text = Resolve(selected ? pal.HilightText : pal.MenuText, widget);
    if (!enabled) {
        text = pal.ButtonShadow == pal.MenuText
                   ? (widget != nullptr ? widget->palette() : QApplication::palette()).color(QPalette::Mid)
                   : Resolve(pal.ButtonShadow, widget);
    }
    QFont font = item.font;
    font.setBold(item.menuItemType == QStyleOptionMenuItem::DefaultItem);
    painter.save();
    painter.setFont(font);
    painter.setPen(text);
    const QString caption = item.text.section(QLatin1Char('\t'), 0, 0);
    const QString shortcut = item.text.section(QLatin1Char('\t'), 1);
    painter.drawText(QRect(r.left() + kCaptionIndent, r.top(), r.width() - kCaptionIndent, r.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, caption);
    if (!shortcut.isEmpty()) {
        painter.drawText(QRect(r.left(), r.top(), r.width() - kShortcutGap, r.height()),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, shortcut);
    }
    painter.restore();
    if (item.menuItemType == QStyleOptionMenuItem::SubMenu)
        DrawSubMenuArrow(painter, r, text);
}

void SkinMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    if (skin_ != nullptr && !skin_->SkinEmpty()) {
        const SkinPalette& pal = skin_->Palette();
        if (element == PE_PanelMenu) {
            const TDataSkinObject* back = skin_->MenuBackground();
            if (back != nullptr && !back->Bitmap.isNull()) {
                DrawNineSlice(*painter, option->rect, back->Bitmap, FrameStrip::Horizontal, back->Tile != 0, false, 1,
                              1, {back->LeftWidth, back->TopHeight, back->RightWidth, back->BottomHeight});
            } else {
                painter->fillRect(option->rect, Resolve(pal.Menu, widget));
            }
            return;
        }
        if (element == PE_FrameMenu) {
            const QRect r = option->rect.adjusted(0, 0, -1, -1);
            painter->save();
            painter->setPen(Resolve(pal.ButtonShadow, widget));
            painter->drawRect(r);
            painter->restore();
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize SkinMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const {
    if (type != CT_MenuItem || !Skins(option, widget, true))
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return {kCaptionIndent, 9};

    QFont font = item->font;
    font.setBold(item->menuItemType == QStyleOptionMenuItem::DefaultItem);
    const QFontMetrics fm(font);
    const QString caption = item->text.section(QLatin1Char('\t'), 0, 0);
    const QString shortcut = item->text.section(QLatin1Char('\t'), 1);
    const bool mainMenu = widget != nullptr && widget->property(kMainMenuProperty).toBool();
    int width = fm.boundingRect(QRect(), Qt::TextShowMnemonic | Qt::TextSingleLine, caption).width();
    width += mainMenu ? kMainMenuExtra : kPopupMenuExtra;
    // The menu adds the width of its widest shortcut text itself.
    if (!shortcut.isEmpty())
        width += 2 * kShortcutGap;
    const int height = std::max(fm.height(), 16) + 4;
    return {width, height};
}

int SkinMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    if (skin_ != nullptr && !skin_->SkinEmpty()) {
        switch (metric) {
        case PM_MenuPanelWidth:
            return 1;
        case PM_MenuHMargin:
            return 1;
        case PM_MenuVMargin:
            return 2;
        case PM_SubMenuOverlap:
            return -2;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace lirem::skin
