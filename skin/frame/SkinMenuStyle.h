// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws and measures menu items from a skin: the skinned form's menus and its
// system menu popup use this style instead of the platform's menu look.

#include "skin/data/WinSkinData.h"

#include <QPointer>
#include <QProxyStyle>

class QStyleOptionMenuItem;

namespace lirem::skin {

// Marks a QMenu as part of the form's main menu (measured a little narrower
// than a popup menu); set by the skinned form.
inline constexpr char kMainMenuProperty[] = "skinMainMenu";
// Items whose "Tag" property is this keep the platform's measuring and drawing.
inline constexpr int kUnskinnedMenuItemTag = 999;

class SkinMenuStyle : public QProxyStyle {
public:
    explicit SkinMenuStyle(const TSkinData* skin);

    void SetSkin(const TSkinData* skin) { skin_ = skin; }

    // Extra width added to a measured caption: menu bar items, items of the
    // main menu's drop-downs, and items of popup menus.
    static constexpr int kMenuBarExtra = 24;
    static constexpr int kMainMenuExtra = 26;
    static constexpr int kPopupMenuExtra = 28;
    // The caption starts this far right of an item's left edge; the shortcut
    // text ends this far before its right edge.
    static constexpr int kCaptionIndent = 20;
    static constexpr int kShortcutGap = 10;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

private:
    bool Skins(const QStyleOption* option, const QWidget* widget, bool measuring) const;
    void DrawMenuItem(const QStyleOptionMenuItem& item, QPainter& painter, const QWidget* widget) const;

    QPointer<const TSkinData> skin_; // null once the skin data is gone
};

} // namespace lirem::skin
