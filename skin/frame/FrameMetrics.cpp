// SPDX-License-Identifier: GPL-3.0-or-later
// TWinSkinForm: the frame metrics and where the caption text, the caption
// buttons and the menu bar go.
#include "skin/frame/WinSkinForm.h"

#include "skin/frame/FrameHelpers.h"
#include "skin/frame/NCObjects.h"
#include "skin/frame/WinSkinMenu.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace lirem::skin {

namespace {

constexpr char kTitlePrefix[] = "  ";
constexpr char kTitleSuffix[] = "   ";

} // namespace

void TWinSkinForm::UpdateFrameMetrics() {
    if (skinData_ == nullptr || skinData_->SkinEmpty())
        return;
    const TSkinData& skin = *skinData_;
    leftWidth_ = skin.Left().Bitmap.width() / Frames(skin.Left());
    titleHeight_ = skin.Top().Bitmap.height() / Frames(skin.Top());
    rightWidth_ = skin.Right().Bitmap.width() / Frames(skin.Right());
    bottomHeight_ = skin.Bottom().Bitmap.height() / Frames(skin.Bottom());

    ForgetObjects();
    sysButtons_.clear();
    for (const auto& entry : skin.SysButtons()) {
        auto button = std::make_unique<TWinSysButton>(*this, *entry);
        if (entry->ActionKind == SysAction::IconMenu)
            MakeIconStrip(*button);
        sysButtons_.push_back(std::move(button));
    }
    borders_ = BorderImages();
}

// Six cells of the window's small icon over a see-through background.
void TWinSkinForm::MakeIconStrip(TWinSysButton& button) const {
    const QIcon icon = form_->windowIcon();
    if (icon.isNull())
        return;
    const int size = form_->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, form_);
    QImage strip(6 * size, size, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    const QPixmap cell = icon.pixmap(QSize(size, size), 1.0);
    QPainter painter(&strip);
    for (int i = 0; i < 6; ++i)
        painter.drawPixmap(QRect(i * size, 0, size, size), cell);
    painter.end();
    button.SetIconStrip(std::move(strip));
    button.SetIcon(icon);
}

void TWinSkinForm::UpdateCaptionFont() {
    const Qt::WindowType type = form_->windowType();
    captionFont_ = QApplication::font(type == Qt::Tool ? "QDockWidgetTitle" : "QMdiSubWindowTitleBar");
    captionFont_.setBold(true);
}

QMargins TWinSkinForm::FrameMargins() const {
    return {leftWidth_, titleHeight_ + menuBarHeight_, rightWidth_, bottomHeight_};
}

QRect TWinSkinForm::ClientRect() const {
    if (form_ == nullptr)
        return {};
    return attached_ ? form_->rect().marginsRemoved(FrameMargins()) : form_->rect();
}

QRect TWinSkinForm::MenuBarRect() const {
    if (menuBar_ == nullptr || form_ == nullptr)
        return {};
    return {leftWidth_, titleHeight_, form_->width() - leftWidth_ - rightWidth_, menuBarHeight_};
}

QString TWinSkinForm::TitleText() const {
    return QString::fromLatin1(kTitlePrefix) + form_->windowTitle() + QString::fromLatin1(kTitleSuffix);
}

void TWinSkinForm::UpdateTitleTextRect() {
    const TDataSkinTitle& title = skinData_->Title();
    const QRect area(leftWidth_, 0, form_->width() - leftWidth_ - rightWidth_, titleHeight_);
    const QFontMetrics fm(captionFont_);
    // Measured as the text stands: a line break makes it taller.
    const QRect extent = fm.boundingRect(QRect(area.topLeft(), QSize(0, 0)),
                                         Qt::AlignLeft | Qt::AlignTop | Qt::TextIncludeTrailingSpaces, TitleText());
    TitleTextInput in;
    in.area = area;
    in.titleHeight = titleHeight_;
    in.extent = extent.size();
    in.alignment = title.TextAlignment;
    in.shift = title.TextShift();
    in.shiftVert = title.TextShiftVert();
    in.rightClip = title.TextRightClip();
    in.backLeft = title.TXTBackleft;
    in.backRight = title.TXTBackRight;
    titleTextRect_ = skin::TitleTextRect(in);
}

void TWinSkinForm::UpdateSysButtonVisibility() {
    SysButtonContext context;
    context.active = active_;
    context.maximized = form_ != nullptr && form_->isMaximized();
    context.icons = savedIcons_;
    for (const auto& button : sysButtons_) {
        const TDataSkinSysButton& data = button->Data();
        button->Visible = IsSysButtonVisible(data.VisibilityKind, data.Visibility1Kind, data.ActionKind, context);
    }
}

void TWinSkinForm::PlaceSysButtons() {
    UpdateSysButtonVisibility();
    for (const auto& button : sysButtons_) {
        const QImage& image = button->Image();
        if (!button->Visible || image.isNull()) {
            button->Rect = QRect();
            continue;
        }
        const QSize size(image.width() / button->FrameCount(), image.height());
        const TDataSkinSysButton& data = button->Data();
        const QPoint at =
            SysButtonPosition(data.AlignKind, data.Xcoord, data.Ycoord, form_->size(), size, titleTextRect_);
        button->Rect = QRect(at, size);
    }
}

void TWinSkinForm::LayoutFrame() {
    if (!attached_ || form_ == nullptr || skinData_ == nullptr)
        return;
    UpdateTitleTextRect();
    PlaceSysButtons();
    if (menuBar_ != nullptr)
        menuBar_->Layout(MenuBarRect());
}

void TWinSkinForm::RecomputeFrame() {
    if (!attached_ || form_ == nullptr)
        return;
    ApplyFrameMargins(FrameMargins());
    borders_ = BorderImages();
    LayoutFrame();
    BuildWindowRegion();
    form_->update();
}

} // namespace lirem::skin
