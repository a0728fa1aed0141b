// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TWinSkinForm: takes over a top-level window and draws its frame from a
// skin. The window becomes frameless and grows by the frame metrics so that
// its client area keeps its size; the borders, the title bar with the caption
// text, the caption buttons and an optional menu bar are painted in the
// window's own paint event, composed off screen. The frame answers the mouse
// itself (hot tracking, caption buttons, system menu, moving the window),
// gives the window a shape cut from the frame images, and attaches a
// skinned-control object to each standard control through a factory.

#include "skin/data/SkinControlClass.h"
#include "skin/data/SkinControlTypes.h"
#include "skin/data/WinSkinData.h"
#include "skin/frame/CaptionMouse.h"
#include "skin/frame/FrameLayout.h"

#include <QFont>
#include <QImage>
#include <QMargins>
#include <QMenu>
#include <QObject>
#include <QPalette>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QShortcut>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

class QPainter;
class QTimer;

namespace lirem::skin {

struct ControlSkinning;
class TNCObject;
class SkinMenuStyle;
class TWinSkinMenu;
class TWinSysButton;

// Commands of the system menu popup.
enum class SysCommand { Close = 0, Maximize = 1, Minimize = 2, Restore = 3 };

class TWinSkinForm : public QObject {
    Q_OBJECT
public:
    // owner must be a top-level window; otherwise std::invalid_argument with
    // "Owner must be a form.". The owner is the frame's Qt parent and deletes it.
    explicit TWinSkinForm(QObject* owner);
    ~TWinSkinForm() override;

    // --- properties --------------------------------------------------------
    int DisableTag() const { return disableTag_; }
    void SetDisableTag(int tag) { disableTag_ = tag; }
    TSkinData* SkinData() const { return skinData_; }
    // The frame follows the skin data's changes; when the skin data is
    // destroyed first, the frame detaches and gives the window back its own look.
    void SetSkinData(TSkinData* data);
    TSkinControlTypes SkinControls() const { return skinControls_; }
    void SetSkinControls(TSkinControlTypes kinds) { skinControls_ = kinds; }
    // Makes the skinned-control objects in AttachControls; without one none are made.
    void SetControlFactory(SkinControlFactory factory) { factory_ = std::move(factory); }

    // --- life cycle --------------------------------------------------------
    // The form has been built: attach when a skin is there.
    void Loaded();
    void AttachSkin(bool attach);
    // The skin was (re)loaded (told by the skin data).
    void SkinChanged();
    // A component is going away; losing the skin data detaches the frame.
    void Notification(const TSkinData* component, bool removal);

    // --- state -------------------------------------------------------------
    QWidget* Form() const { return form_; }
    bool Attached() const { return attached_; }
    bool Active() const { return active_; }
    BorderIcons SavedBorderIcons() const { return savedIcons_; }
    int LeftWidth() const { return leftWidth_; }
    int TitleHeight() const { return titleHeight_; }
    int RightWidth() const { return rightWidth_; }
    int BottomHeight() const { return bottomHeight_; }
    int MenuBarHeight() const { return menuBarHeight_; }
    // left, title + menu bar, right, bottom.
    QMargins FrameMargins() const;
    // The client area in window coordinates.
    QRect ClientRect() const;
    QRect TitleTextRect() const { return titleTextRect_; }
    const std::vector<std::unique_ptr<TWinSysButton>>& SysButtons() const { return sysButtons_; }
    TNCObject* HotObject() const { return hot_; }
    void SetHotObject(TNCObject* object) { hot_ = object; }
    QTimer* HoverTimer() const { return hoverTimer_.get(); }
    QMenu* SystemMenu() const { return systemMenu_.get(); }
    TWinSkinMenu* MenuBar() const { return menuBar_.get(); }
    QRect MenuBarRect() const;
    const std::vector<QPointer<QObject>>& SkinnedControls() const { return skinnedControls_; }
    QRegion WindowRegion() const { return windowRegion_; }
    const QFont& CaptionFont() const { return captionFont_; }

    // --- frame -------------------------------------------------------------
    void UpdateFrameMetrics();
    // Paints the whole frame of the current window size.
    void PaintFrame(QPainter& painter);
    // The window shape: the frame's pixels that are not magenta, plus the client area.
    QRegion ComputeWindowRegion();
    void BuildWindowRegion();
    // Which caption buttons show now; stores each one's visible flag.
    void UpdateSysButtonVisibility();
    // Positions the visible caption buttons for the current window size.
    void PlaceSysButtons();
    // Places the caption text, the caption buttons and the menu bar items for
    // the current window size, caption and activation.
    void LayoutFrame();
    // New frame metrics or menu bar: inset the client area again, lay out,
    // rebuild the window shape and repaint.
    void RecomputeFrame();

    // --- behaviour ---------------------------------------------------------
    void DoSysAction(const TWinSysButton& button);
    void RunSystemCommand(SysCommand command);
    void PopupSystemMenu(const QPoint& globalPos);
    // One tick of the hover timer with the mouse at the given window position.
    void HoverCheck(const QPoint& windowPos);
    // The visible caption button, else the menu bar item, at a window position.
    TNCObject* ObjectAt(const QPoint& windowPos) const;
    void RepaintObject(const TNCObject& object);
    void StartHoverTimer();
    // Whether the window can be maximised (it asked for it and is resizable).
    bool CanMaximize() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct BorderImages {
        QSize size;
        bool active = false;
        QImage left, right, bottom, top;
    };

    void Attach();
    void Detach(bool restoreWindow);
    void ApplyFrameMargins(const QMargins& margins);
    void CreateSystemMenu();
    void UpdateSystemMenu();
    void MakeIconStrip(TWinSysButton& button) const;
    void SkinMenus();
    void AttachControls();
    void AttachControl(QWidget& control, const QColor& face, std::unordered_set<QWidget*>& done);
    void SkinControl(QWidget& control, const ControlSkinning& skinning, const QColor& face);
    void UpdateCaptionFont();
    void RepaintFrame();
    const BorderImages& Borders();
    void PaintTitle(QPainter& painter, const BorderImages& borders);
    void DrawTitleText(QPainter& painter, const QRect& area);
    void UpdateTitleTextRect();
    QString TitleText() const;
    QImage ComposeBorder(const TDataSkinBorder& border, QSize size, bool vertical) const;
    BorderIcons ReadBorderIcons() const;
    bool HandleMouse(QEvent* event);
    bool MouseMove(const QPoint& pos, const QPoint& globalPos, Qt::MouseButtons buttons);
    bool MousePress(const QPoint& pos, const QPoint& globalPos, Qt::MouseButton button, bool doubleClick);
    bool MouseRelease(const QPoint& pos, Qt::MouseButton button);
    // Feeds a left-button event to the caption state machine; returns the effect to carry out.
    CaptionEffect StepCaption(CaptionInput input);
    void SetActive(bool active);
    void ForgetObjects();
    void RecolourFaceControls(const QColor& face);

    QPointer<QWidget> form_;
    QPointer<TSkinData> skinData_;
    QMetaObject::Connection skinChanged_;
    QMetaObject::Connection skinDestroyed_;
    int disableTag_ = 99;
    TSkinControlTypes skinControls_ = TSkinControlTypes::All();
    SkinControlFactory factory_;

    bool attached_ = false;
    bool active_ = false;
    Qt::WindowFlags savedFlags_;
    BorderIcons savedIcons_;
    QMargins savedContentsMargins_;
    QMargins appliedMargins_;
    QPalette savedPalette_;
    QColor face_; // the face colour the window and its face-coloured controls have now
    bool savedMouseTracking_ = false;

    int leftWidth_ = 0;
    int titleHeight_ = 0;
    int rightWidth_ = 0;
    int bottomHeight_ = 0;
    int menuBarHeight_ = 0;

    std::vector<std::unique_ptr<TWinSysButton>> sysButtons_;
    TNCObject* hot_ = nullptr;
    TNCObject* pressed_ = nullptr;              // the object that took the left press (PressedOnButton)
    CaptionState caption_ = CaptionState::Idle; // what the left button is doing in the frame
    QPoint pressAt_;                            // where the left press was, on the screen
    QPoint windowAtPress_;                      // where the window stood then
    std::unique_ptr<QTimer> hoverTimer_;
    // Alt+Space opens the system menu, since the platform's caption is gone.
    QPointer<QShortcut> systemMenuKey_;        // a child of the form
    std::unique_ptr<SkinMenuStyle> menuStyle_; // outlives the menus that use it
    std::unique_ptr<QMenu> systemMenu_;
    std::unique_ptr<TWinSkinMenu> menuBar_;
    std::vector<QPointer<QObject>> skinnedControls_;
    std::vector<QPointer<QWidget>> faceControls_; // controls coloured ButtonFace
    std::vector<QPointer<QMenu>> skinnedMenus_;
    QRect titleTextRect_;
    QFont captionFont_;
    QRegion windowRegion_;
    // What windowRegion_ was cut from: the window's size, the border widths
    // and the border images (their cache keys).
    struct RegionSource {
        QSize size;
        QMargins borders;
        std::array<qint64, 4> images{};
        bool operator==(const RegionSource&) const = default;
    };
    std::optional<RegionSource> regionSource_;
    BorderImages borders_;
    QImage titleScratch_;
    bool translucent_ = false;
};

} // namespace lirem::skin
