// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/frame/WinSkinForm.h"

#include "skin/data/SkinDraw.h"
#include "skin/frame/NCObjects.h"
#include "skin/frame/SkinMenuStyle.h"
#include "skin/frame/WinSkinMenu.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>
#include <QtMath>

#include <stdexcept>
#include <unordered_set>

namespace skin {

namespace {

constexpr int kHoverInterval = 250;
constexpr char kTitlePrefix[] = "  ";
constexpr char kTitleSuffix[] = "   ";
constexpr char kTagProperty[] = "Tag";
constexpr int kScrollBarTag = 55;

QObject* CheckedOwner(QObject* owner) {
    const auto* form = qobject_cast<QWidget*>(owner);
    if (form == nullptr || !form->isWindow())
        throw std::invalid_argument("Owner must be a form.");
    return owner;
}

int Frames(const TDataSkinObject& element) {
    return element.FrameCount > 0 ? element.FrameCount : 1;
}

bool IsFixedSize(const QWidget& w) {
    return w.minimumSize() == w.maximumSize();
}

int TagOf(const QObject& object) {
    return object.property(kTagProperty).toInt();
}

// Composite controls whose inner widgets are their own business.
bool IsLeafControl(const QWidget& w) {
    return qobject_cast<const QComboBox*>(&w) != nullptr || qobject_cast<const QAbstractSpinBox*>(&w) != nullptr ||
           qobject_cast<const QAbstractScrollArea*>(&w) != nullptr || qobject_cast<const QLineEdit*>(&w) != nullptr ||
           qobject_cast<const QAbstractButton*>(&w) != nullptr || qobject_cast<const QProgressBar*>(&w) != nullptr ||
           qobject_cast<const QTabBar*>(&w) != nullptr || qobject_cast<const QMenuBar*>(&w) != nullptr;
}

bool IsRadioGroup(const QWidget& w) {
    if (qobject_cast<const QGroupBox*>(&w) == nullptr)
        return false;
    int radios = 0;
    for (const QObject* child : w.children()) {
        const auto* cw = qobject_cast<const QWidget*>(child);
        if (cw == nullptr)
            continue;
        if (qobject_cast<const QRadioButton*>(cw) == nullptr)
            return false;
        ++radios;
    }
    return radios > 0;
}

void SetFaceColour(QWidget& w, const QColor& face) {
    QPalette palette = w.palette();
    palette.setColor(QPalette::Window, face);
    w.setPalette(palette);
}

bool IsPanel(const QWidget& w) {
    return qobject_cast<const QGroupBox*>(&w) != nullptr || w.metaObject() == &QFrame::staticMetaObject;
}

} // namespace

// --- construction ------------------------------------------------------------

TWinSkinForm::TWinSkinForm(QObject* owner) : QObject(CheckedOwner(owner)), form_(static_cast<QWidget*>(owner)) {}

// Frees what the frame made; the window itself is left as it is (it is
// normally being destroyed too).
TWinSkinForm::~TWinSkinForm() {
    if (attached_)
        Detach(false);
}

void TWinSkinForm::SetSkinData(TSkinData* data) {
    if (data == skinData_)
        return;
    disconnect(skinChanged_);
    disconnect(skinDestroyed_);
    skinData_ = data;
    if (skinData_ != nullptr) {
        skinChanged_ = connect(skinData_, &TSkinData::SkinChanged, this, &TWinSkinForm::SkinChanged);
        // The QPointer is already null here; nothing of the skin is read any more.
        skinDestroyed_ = connect(skinData_, &QObject::destroyed, this, [this] { AttachSkin(false); });
    }
    if (attached_) {
        if (skinData_ == nullptr || skinData_->SkinEmpty())
            AttachSkin(false);
        else
            SkinChanged();
    }
}

void TWinSkinForm::Loaded() {
    AttachSkin(true);
}

void TWinSkinForm::Notification(const TSkinData* component, bool removal) {
    if (!removal || component == nullptr || component != skinData_)
        return;
    AttachSkin(false);
    SetSkinData(nullptr);
}

void TWinSkinForm::AttachSkin(bool attach) {
    if (attach && form_ != nullptr && skinData_ != nullptr && !skinData_->DesignMode() && !skinData_->SkinEmpty()) {
        if (!attached_)
            Attach();
        return;
    }
    if (attached_)
        Detach(true);
    attached_ = false;
}

void TWinSkinForm::SkinChanged() {
    if (!attached_) {
        AttachSkin(true);
        if (attached_ && form_->isActiveWindow())
            SetActive(true);
        return;
    }
    UpdateFrameMetrics();
    const QColor face = ResolveColour(skinData_->Palette().ButtonFace, QApplication::palette());
    SetFaceColour(*form_, face);
    RecolourFaceControls(face);
    for (const QPointer<QWidget>& control : faceControls_) {
        if (control != nullptr)
            SetFaceColour(*control, face);
    }
    SkinMenus();
    RecomputeFrame();
}

// --- attach and detach ---------------------------------------------------------

void TWinSkinForm::Attach() {
    QWidget& form = *form_;
    attached_ = true;

    hoverTimer_ = std::make_unique<QTimer>();
    hoverTimer_->setInterval(kHoverInterval);
    connect(hoverTimer_.get(), &QTimer::timeout, this, [this] { HoverCheck(form_->mapFromGlobal(QCursor::pos())); });

    menuStyle_ = std::make_unique<TSkinMenuStyle>(skinData_);
    CreateSystemMenu();
    systemMenuKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), &form);
    connect(systemMenuKey_.data(), &QShortcut::activated, this,
            [this] { PopupSystemMenu(form_->mapToGlobal(QPoint(0, titleHeight_))); });

    // The frame replaces the platform's caption and its buttons.
    savedFlags_ = form.windowFlags();
    savedIcons_ = ReadBorderIcons();
    const bool wasVisible = form.isVisible();
    translucent_ = QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
                   !form.testAttribute(Qt::WA_WState_Created);
    if (translucent_)
        form.setAttribute(Qt::WA_TranslucentBackground);
    // The caption and button hints go too: with them the platform would keep its frame.
    const Qt::WindowFlags decorations = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                                        Qt::WindowContextHelpButtonHint | Qt::WindowShadeButtonHint;
    form.setWindowFlags((savedFlags_ & ~decorations) | Qt::FramelessWindowHint);

    if (auto* bar = form.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly)) {
        menuBar_ = std::make_unique<TWinSkinMenu>(*this, bar);
        menuBarHeight_ = menuBar_->PlatformHeight();
        bar->hide();
        menuBar_->Rebuild();
    }

    savedPalette_ = form.palette();
    face_ = savedPalette_.color(QPalette::Window);
    const QColor face = ResolveColour(skinData_->Palette().ButtonFace, QApplication::palette());
    SetFaceColour(form, face);
    RecolourFaceControls(face);

    savedContentsMargins_ = form.contentsMargins();
    savedMouseTracking_ = form.hasMouseTracking();
    form.setMouseTracking(true);
    form.installEventFilter(this);

    UpdateFrameMetrics();
    SkinMenus();
    AttachControls();
    UpdateCaptionFont();
    active_ = form.isActiveWindow();
    RecomputeFrame();
    if (wasVisible)
        form.show();
}

void TWinSkinForm::Detach(bool restoreWindow) {
    ForgetObjects();
    hoverTimer_.reset();
    delete systemMenuKey_.data();
    if (form_ != nullptr)
        form_->removeEventFilter(this);

    for (const QPointer<QObject>& control : skinnedControls_)
        delete control.data();
    skinnedControls_.clear();
    faceControls_.clear();
    for (const QPointer<QMenu>& menu : skinnedMenus_) {
        if (menu != nullptr) {
            menu->setStyle(nullptr);
            menu->setProperty(kMainMenuProperty, QVariant());
        }
    }
    skinnedMenus_.clear();
    QMenuBar* bar = menuBar_ != nullptr ? menuBar_->Menu() : nullptr;
    menuBar_.reset();
    systemMenu_.reset();
    menuStyle_.reset();
    sysButtons_.clear();
    menuBarHeight_ = 0;

    if (restoreWindow && form_ != nullptr) {
        QWidget& form = *form_;
        const bool wasVisible = form.isVisible();
        ApplyFrameMargins(QMargins());
        form.setContentsMargins(savedContentsMargins_);
        form.clearMask();
        RecolourFaceControls(savedPalette_.color(QPalette::Window));
        form.setPalette(savedPalette_);
        form.setMouseTracking(savedMouseTracking_);
        form.setWindowFlags(savedFlags_);
        if (translucent_)
            form.setAttribute(Qt::WA_TranslucentBackground, false);
        if (bar != nullptr)
            bar->show();
        if (wasVisible)
            form.show();
    }
    appliedMargins_ = QMargins();
    windowRegion_ = QRegion();
    borders_ = BorderImages();
    translucent_ = false;
    attached_ = false;
}

// Controls that were given the window's face colour as their own background
// follow the face colour of the skin, so they still blend with the window.
void TWinSkinForm::RecolourFaceControls(const QColor& face) {
    if (form_ == nullptr || face == face_)
        return;
    for (QWidget* w : form_->findChildren<QWidget*>()) {
        if (!w->testAttribute(Qt::WA_SetPalette) || w->isWindow())
            continue;
        QPalette palette = w->palette();
        bool changed = false;
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base}) {
            if (palette.color(role) == face_) {
                palette.setColor(role, face);
                changed = true;
            }
        }
        if (changed)
            w->setPalette(palette);
    }
    face_ = face;
}

void TWinSkinForm::ForgetObjects() {
    hot_ = nullptr;
    pressed_ = nullptr;
    movePending_ = false;
}

BorderIcons TWinSkinForm::ReadBorderIcons() const {
    const Qt::WindowFlags flags = form_->windowFlags();
    const Qt::WindowFlags hints = Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                  Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint |
                                  Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    BorderIcons icons;
    if ((flags & hints) != 0) {
        icons.systemMenu = flags.testAnyFlags(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        icons.minimize = flags.testFlag(Qt::WindowMinimizeButtonHint);
        icons.maximize = flags.testFlag(Qt::WindowMaximizeButtonHint);
        icons.help = flags.testFlag(Qt::WindowContextHelpButtonHint);
    } else {
        const Qt::WindowType type = form_->windowType();
        const bool dialog = type == Qt::Dialog || type == Qt::Sheet || type == Qt::Tool;
        icons.systemMenu = true;
        icons.minimize = !dialog;
        icons.maximize = !dialog;
    }
    // A window of fixed size cannot be maximised.
    if (IsFixedSize(*form_))
        icons.maximize = false;
    return icons;
}

bool TWinSkinForm::CanMaximize() const {
    return savedIcons_.maximize && form_ != nullptr && !IsFixedSize(*form_);
}

// The client area keeps its size: the window grows by the frame metrics and
// its content moves inside them.
void TWinSkinForm::ApplyFrameMargins(const QMargins& margins) {
    if (form_ == nullptr || margins == appliedMargins_)
        return;
    QWidget& form = *form_;
    const QMargins old = appliedMargins_;
    appliedMargins_ = margins;
    const QSize delta(margins.left() + margins.right() - old.left() - old.right(),
                      margins.top() + margins.bottom() - old.top() - old.bottom());

    form.setContentsMargins(savedContentsMargins_ + margins);
    if (form.layout() == nullptr) {
        const QPoint shift(margins.left() - old.left(), margins.top() - old.top());
        for (QObject* child : form.children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w != nullptr && !w->isWindow() && qobject_cast<QMenuBar*>(w) == nullptr)
                w->move(w->pos() + shift);
        }
    }

    if (IsFixedSize(form)) {
        form.setFixedSize(form.size() + delta);
        return;
    }
    if (form.minimumSize() != QSize(0, 0))
        form.setMinimumSize(form.minimumSize() + delta);
    if (form.maximumWidth() < QWIDGETSIZE_MAX && form.maximumHeight() < QWIDGETSIZE_MAX)
        form.setMaximumSize(form.maximumSize() + delta);
    // A window that was never sized explicitly takes its size from its layout when shown.
    if (form.testAttribute(Qt::WA_Resized) || form.layout() == nullptr)
        form.resize(form.size() + delta);
}

void TWinSkinForm::CreateSystemMenu() {
    systemMenu_ = std::make_unique<QMenu>();
    systemMenu_->setStyle(menuStyle_.get());
    const std::pair<const char*, SysCommand> items[] = {
        {"Restore", SysCommand::Restore},
        {"Minimize", SysCommand::Minimize},
        {"Maximize", SysCommand::Maximize},
        {"Close", SysCommand::Close},
    };
    for (const auto& [text, command] : items) {
        QAction* action = systemMenu_->addAction(QString::fromLatin1(text));
        action->setData(static_cast<int>(command));
        connect(action, &QAction::triggered, this, [this, command = command] { RunSystemCommand(command); });
    }
}

void TWinSkinForm::UpdateSystemMenu() {
    if (systemMenu_ == nullptr || form_ == nullptr)
        return;
    const bool maximized = form_->isMaximized();
    for (QAction* action : systemMenu_->actions()) {
        switch (static_cast<SysCommand>(action->data().toInt())) {
        case SysCommand::Restore:
            action->setEnabled(form_->isMinimized() || (CanMaximize() && maximized));
            break;
        case SysCommand::Minimize:
            action->setEnabled(savedIcons_.minimize && !form_->isMinimized());
            break;
        case SysCommand::Maximize:
            action->setEnabled(CanMaximize() && !maximized);
            break;
        case SysCommand::Close:
            action->setEnabled(true);
            break;
        }
    }
}

// --- frame metrics and layout --------------------------------------------------

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

// --- painting ---------------------------------------------------------------------

QImage TWinSkinForm::ComposeBorder(const TDataSkinBorder& border, QSize size, bool vertical) const {
    if (size.isEmpty() || border.Bitmap.isNull())
        return {};
    const int frames = Frames(border);
    const QMargins margins{border.LeftWidth, border.TopHeight, border.RightWidth, border.BottomHeight};
    return ComposeNineSlice(size, border.Bitmap, margins, vertical ? TFrameLayout::Vertical : TFrameLayout::Horizontal,
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
    const TSkinPalette& pal = skinData_->Palette();
    const QRect text = titleTextRect_;
    if (!title.Bitmap.isNull()) {
        DrawHorzStrip(painter, QRect(text.left(), area.top(), text.width(), area.height()), title.Bitmap,
                      TFrameLayout::Vertical, true, 2, active_ ? 1 : 2, title.TXTBackleft, title.TXTBackRight);
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
    windowRegion_ = ComputeWindowRegion();
    form_->setMask(windowRegion_);
}

// --- menus and controls ---------------------------------------------------------------

void TWinSkinForm::SkinMenus() {
    if (menuStyle_ == nullptr)
        return;
    menuStyle_->SetSkin(skinData_);
    std::unordered_set<QMenu*> done;
    const auto skinTree = [&](QMenu* root, bool mainMenu) {
        std::vector<QMenu*> pending{root};
        while (!pending.empty()) {
            QMenu* menu = pending.back();
            pending.pop_back();
            if (menu == nullptr || !done.insert(menu).second)
                continue;
            menu->setProperty(kMainMenuProperty, mainMenu);
            menu->setStyle(menuStyle_.get());
            skinnedMenus_.emplace_back(menu);
            for (QAction* action : menu->actions())
                pending.push_back(action->menu());
        }
    };
    if (menuBar_ != nullptr && menuBar_->Menu() != nullptr && skinControls_.Contains(TSkinControlType::xcMainMenu) &&
        TagOf(*menuBar_->Menu()) % 100 != disableTag_) {
        for (QAction* action : menuBar_->Menu()->actions())
            skinTree(action->menu(), true);
    }
    if (skinControls_.Contains(TSkinControlType::xcPopupMenu)) {
        for (QMenu* menu : form_->findChildren<QMenu*>()) {
            if (!done.contains(menu) && TagOf(*menu) % 100 != disableTag_)
                skinTree(menu, false);
        }
    }
}

void TWinSkinForm::AttachControls() {
    const QColor face = ResolveColour(skinData_->Palette().ButtonFace, QApplication::palette());
    std::unordered_set<QWidget*> done;
    const auto setFace = [this, &face](QWidget& w) {
        SetFaceColour(w, face);
        faceControls_.emplace_back(&w);
    };
    const auto create = [this](SkinControlClass cls, QWidget& control) {
        if (!factory_)
            return;
        if (QObject* object = factory_(cls, &control, skinData_, this))
            skinnedControls_.emplace_back(object);
    };
    const auto has = [this](TSkinControlType kind) { return skinControls_.Contains(kind); };

    const auto attach = [&](QWidget& w) {
        if (!done.insert(&w).second || TagOf(w) % 100 == disableTag_)
            return;
        const bool pageTabs = qobject_cast<QTabBar*>(&w) != nullptr && qobject_cast<QTabWidget*>(w.parent()) == nullptr;
        if (pageTabs && has(TSkinControlType::xcTab)) {
            create(SkinControlClass::Tab, w);
        } else if (qobject_cast<QTabWidget*>(&w) != nullptr && has(TSkinControlType::xcTab)) {
            create(SkinControlClass::Tab, w);
        } else if (qobject_cast<QCheckBox*>(&w) != nullptr && has(TSkinControlType::xcCheckBox)) {
            setFace(w);
            create(SkinControlClass::CheckBox, w);
        } else if (IsRadioGroup(w) && has(TSkinControlType::xcRadioButton)) {
            setFace(w);
            create(SkinControlClass::Box, w);
            for (QObject* child : w.children()) {
                if (auto* radio = qobject_cast<QRadioButton*>(child); radio != nullptr && done.insert(radio).second) {
                    setFace(*radio);
                    create(SkinControlClass::RadioButton, *radio);
                }
            }
        } else if (IsPanel(w) && has(TSkinControlType::xcPanel)) {
            setFace(w);
            create(SkinControlClass::Box, w);
        } else if (qobject_cast<QRadioButton*>(&w) != nullptr && has(TSkinControlType::xcRadioButton)) {
            setFace(w);
            create(SkinControlClass::RadioButton, w);
        } else if (auto* status = qobject_cast<QStatusBar*>(&w);
                   status != nullptr && has(TSkinControlType::xcStatusBar)) {
            setFace(w);
            status->setSizeGripEnabled(false);
            create(SkinControlClass::StatusBar, w);
        } else if (qobject_cast<QProgressBar*>(&w) != nullptr && has(TSkinControlType::xcProgress)) {
            create(SkinControlClass::Progress, w);
        } else if (qobject_cast<QComboBox*>(&w) != nullptr && has(TSkinControlType::xcCombo)) {
            create(SkinControlClass::ComBox, w);
        } else if (auto* push = qobject_cast<QPushButton*>(&w);
                   push != nullptr && !push->icon().isNull() && has(TSkinControlType::xcBitBtn)) {
            create(SkinControlClass::BitButton, w);
        } else if (qobject_cast<QAbstractItemView*>(&w) != nullptr && has(TSkinControlType::xcScrollbar)) {
            create(SkinControlClass::ScrollBar, w);
        } else if ((TagOf(w) == kScrollBarTag || qobject_cast<QAbstractScrollArea*>(&w) != nullptr) &&
                   has(TSkinControlType::xcScrollbar)) {
            create(SkinControlClass::ScrollBar, w);
        } else if (qobject_cast<QPushButton*>(&w) != nullptr && has(TSkinControlType::xcButton)) {
            create(SkinControlClass::Button, w);
        }
    };

    std::vector<QWidget*> pending{form_};
    while (!pending.empty()) {
        QWidget* parent = pending.back();
        pending.pop_back();
        const QObjectList children = parent->children();
        // Visit in creation order; push containers in reverse so they are walked in order too.
        std::vector<QWidget*> containers;
        for (QObject* child : children) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w == nullptr || w->isWindow() || qobject_cast<QMenuBar*>(w) != nullptr)
                continue;
            attach(*w);
            if (auto* area = qobject_cast<QScrollArea*>(w); area != nullptr && area->widget() != nullptr)
                containers.push_back(area->widget());
            else if (!IsLeafControl(*w))
                containers.push_back(w);
        }
        pending.insert(pending.end(), containers.rbegin(), containers.rend());
    }
}

// --- behaviour -----------------------------------------------------------------------

TNCObject* TWinSkinForm::ObjectAt(const QPoint& pos) const {
    for (const auto& button : sysButtons_) {
        if (button->Visible && button->Rect.contains(pos))
            return button.get();
    }
    if (menuBar_ != nullptr)
        return menuBar_->ItemAt(pos);
    return nullptr;
}

void TWinSkinForm::StartHoverTimer() {
    if (hoverTimer_ != nullptr && !hoverTimer_->isActive())
        hoverTimer_->start();
}

void TWinSkinForm::HoverCheck(const QPoint& windowPos) {
    if (menuBar_ != nullptr && menuBar_->IsPopupOpen())
        return;
    if (hot_ != nullptr && hot_->Rect.contains(windowPos))
        return;
    if (hot_ != nullptr)
        hot_->NCMouseLeave();
    hot_ = nullptr;
    if (hoverTimer_ != nullptr)
        hoverTimer_->stop();
}

void TWinSkinForm::SetActive(bool active) {
    // Hot tracking ends with the activation; a button held down stays pressed
    // (the window system may activate the window after the press arrived).
    if (hot_ != nullptr && hot_ != pressed_) {
        hot_->State = NCState::Normal;
        hot_ = nullptr;
    }
    active_ = active;
    LayoutFrame();
    RepaintFrame();
}

void TWinSkinForm::DoSysAction(const TWinSysButton& button) {
    switch (button.Data().ActionKind) {
    case SysAction::Close:
        if (auto* dialog = qobject_cast<QDialog*>(form_.data()); dialog != nullptr && dialog->isModal()) {
            dialog->reject();
        } else {
            if (hoverTimer_ != nullptr)
                hoverTimer_->stop();
            QMetaObject::invokeMethod(form_.data(), &QWidget::close, Qt::QueuedConnection);
        }
        break;
    case SysAction::Maximize:
        RunSystemCommand(SysCommand::Maximize);
        break;
    case SysAction::Minimize:
        RunSystemCommand(SysCommand::Minimize);
        break;
    case SysAction::IconMenu:
    case SysAction::SystemMenu:
        PopupSystemMenu(QCursor::pos());
        break;
    case SysAction::None:
        break;
    }
}

void TWinSkinForm::RunSystemCommand(SysCommand command) {
    if (form_ == nullptr)
        return;
    switch (command) {
    case SysCommand::Close:
        form_->close();
        break;
    case SysCommand::Maximize:
        // Toggles; a window that cannot be maximised stays as it is.
        if (CanMaximize()) {
            if (form_->isMaximized())
                form_->showNormal();
            else
                form_->showMaximized();
        }
        break;
    case SysCommand::Minimize:
        form_->showMinimized();
        break;
    case SysCommand::Restore:
        if (form_->isMinimized() || form_->isMaximized())
            form_->showNormal();
        break;
    }
}

void TWinSkinForm::PopupSystemMenu(const QPoint& globalPos) {
    if (systemMenu_ == nullptr)
        return;
    UpdateSystemMenu();
    systemMenu_->popup(globalPos);
}

// --- the form's events ------------------------------------------------------------------

bool TWinSkinForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != form_ || !attached_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint: {
        // The form paints its own content first, then the frame goes round it.
        static_cast<QObject*>(form_.data())->event(event);
        QPainter painter(form_);
        if (translucent_)
            painter.fillRect(ClientRect(), form_->palette().color(QPalette::Window));
        PaintFrame(painter);
        return true;
    }
    case QEvent::Resize:
        LayoutFrame();
        BuildWindowRegion();
        break;
    case QEvent::WindowActivate:
        SetActive(true);
        break;
    case QEvent::WindowDeactivate:
        SetActive(false);
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowStateChange:
    case QEvent::FontChange:
        LayoutFrame();
        RepaintFrame();
        break;
    case QEvent::WindowIconChange:
        for (const auto& button : sysButtons_) {
            if (button->Data().ActionKind == SysAction::IconMenu)
                MakeIconStrip(*button);
        }
        LayoutFrame();
        RepaintFrame();
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return HandleMouse(event);
    case QEvent::ContextMenu:
        // The caption's right click already opened the system menu.
        return !ClientRect().contains(static_cast<QContextMenuEvent*>(event)->pos());
    default:
        break;
    }
    return false;
}

bool TWinSkinForm::HandleMouse(QEvent* event) {
    const auto* me = static_cast<QMouseEvent*>(event);
    const QPoint pos = me->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseMove:
        return MouseMove(pos, me->buttons());
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return MousePress(pos, me->globalPosition().toPoint(), me->button(),
                          event->type() == QEvent::MouseButtonDblClick);
    case QEvent::MouseButtonRelease:
        return MouseRelease(pos, me->button());
    default:
        return false;
    }
}

bool TWinSkinForm::MouseMove(const QPoint& pos, Qt::MouseButtons buttons) {
    if (movePending_) {
        movePending_ = false;
        if ((buttons & Qt::LeftButton) != 0 && form_->windowHandle() != nullptr) {
            // Moving through the window system (Wayland ignores move()); started on
            // the first move so that the release and double-clicks still arrive.
            form_->windowHandle()->startSystemMove();
            return true;
        }
    }
    const bool inFrame = pressed_ != nullptr || !ClientRect().contains(pos);
    TNCObject* object = inFrame && active_ ? ObjectAt(pos) : nullptr;
    if (object != nullptr)
        object->NCMouseMove();
    else if (hot_ != nullptr)
        hot_->NCMouseLeave();
    return inFrame;
}

bool TWinSkinForm::MousePress(const QPoint& pos, const QPoint& globalPos, Qt::MouseButton button, bool doubleClick) {
    if (ClientRect().contains(pos))
        return false;
    // A press reaches an inactive window only while the window system activates
    // it, so it counts as a press on the active window.
    TNCObject* object = ObjectAt(pos);
    const bool onCaption = pos.y() >= 0 && pos.y() < titleHeight_;
    if (button == Qt::LeftButton) {
        if (object != nullptr) {
            object->NCMouseDown();
            pressed_ = object;
            if (auto* item = dynamic_cast<TMenuBtn*>(object); item != nullptr && menuBar_ != nullptr)
                menuBar_->OpenItem(item->Index());
        } else if (onCaption) {
            if (doubleClick)
                RunSystemCommand(SysCommand::Maximize);
            else
                movePending_ = true;
        }
    } else if (button == Qt::RightButton && onCaption && dynamic_cast<TMenuBtn*>(object) == nullptr) {
        PopupSystemMenu(globalPos);
    }
    return true;
}

bool TWinSkinForm::MouseRelease(const QPoint& pos, Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return !ClientRect().contains(pos);
    movePending_ = false;
    TNCObject* pressed = std::exchange(pressed_, nullptr);
    TNCObject* object = ObjectAt(pos);
    if (object == nullptr)
        return pressed != nullptr || !ClientRect().contains(pos);
    // Only a release over the button that took the press acts.
    if (auto* sysButton = dynamic_cast<TWinSysButton*>(object);
        sysButton != nullptr && object == hot_ && object == pressed) {
        object->NCMouseUp();
        DoSysAction(*sysButton);
    }
    return true;
}

} // namespace skin
