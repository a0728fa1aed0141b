// SPDX-License-Identifier: GPL-3.0-or-later
// TWinSkinForm: attaching to the window and detaching from it, following the
// skin data, and the window's events.
#include "skin/frame/WinSkinForm.h"

#include "skin/frame/FrameHelpers.h"
#include "skin/frame/NCObjects.h"
#include "skin/frame/SkinMenuStyle.h"
#include "skin/frame/WinSkinMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

#include <stdexcept>

namespace lirem::skin {

namespace {

constexpr int kHoverInterval = 250;

QObject* CheckedOwner(QObject* owner) {
    const auto* form = qobject_cast<QWidget*>(owner);
    if (form == nullptr || !form->isWindow())
        throw std::invalid_argument("Owner must be a form.");
    return owner;
}

bool IsFixedSize(const QWidget& w) {
    return w.minimumSize() == w.maximumSize();
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

    menuStyle_ = std::make_unique<SkinMenuStyle>(skinData_);
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
    regionSource_.reset();
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
    caption_ = CaptionState::Idle;
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

} // namespace lirem::skin
