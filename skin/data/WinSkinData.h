// SPDX-License-Identifier: GPL-3.0-or-later
// The skin data: one packed skin, unpacked and parsed into skin elements
// (images with margins and frame counts), title settings, caption buttons and
// a colour palette. The window frame and the skinned controls draw from it.
#pragma once

#include "skin/data/SkinColour.h"
#include "skin/data/SysButtonCodes.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lirem::skin {

class IniText;
class TSkinReader;

// One skin element: FrameCount equal frames side by side (or stacked, for the
// title background, the menu bar and the top and bottom borders) with fixed
// margins. Magenta pixels were turned transparent when the image was loaded.
class TDataSkinObject {
public:
    TDataSkinObject() = default;
    explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
    TDataSkinObject(const TDataSkinObject&) = default;
    TDataSkinObject& operator=(const TDataSkinObject&) = default;
    virtual ~TDataSkinObject() = default;

    std::int32_t LeftWidth = 0;
    std::int32_t TopHeight = 0;
    std::int32_t RightWidth = 0;
    std::int32_t BottomHeight = 0;
    QImage Bitmap;
    std::int32_t Trans = 0; // non-zero: drawn with the transparent pixels see-through
    // Non-zero: centre tiled, zero: stretched. The four window borders keep
    // their "Stretch" key here instead: stretched only when exactly 1.
    std::int32_t Tile = 0;
    std::string Name;
    std::int32_t FrameCount = 0;
    // Colour numbers (indexes into ColourList); -1 none.
    std::int32_t NormalColour = 0;
    std::int32_t MouseOverColour = 0;
    std::int32_t PressedColour = 0;
};

// An element with a second image: the tab page border of "Tabs". The four
// window borders are of this class too, with the second image empty.
class TDataSkinBorder : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    QImage BorderBitmap;
};

// Title text settings. Bitmap is the text background ("TextBack").
class TDataSkinTitle : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    std::int32_t TextShift() const { return LeftWidth; }
    std::int32_t TextShiftVert() const { return TopHeight; }
    std::int32_t TextRightClip() const { return RightWidth; }

    std::int32_t TextAlignment = 0; // 0 left, 1 centred, 2 right
    std::int32_t FontHeight = 0;
    std::int32_t TXTBackleft = 0; // cap widths of the text background
    std::int32_t TXTBackRight = 0;
    Colour ActiveText = kColourUnset;
    Colour InActiveText = kColourUnset;
};

// Push, check and radio button images. Bitmap is the push button.
class TDataSkinButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    QImage CheckButton;
    QImage RadioButton;
    std::int32_t RadioButtonFrame = 0;
    std::int32_t CheckButtonFrame = 0;
};

// One caption button. Bitmap is its image ("ButtonImage").
class TDataSkinSysButton : public TDataSkinObject {
public:
    using TDataSkinObject::TDataSkinObject;
    // The values as the skin file gives them.
    std::int32_t Action = 0;
    std::int32_t Align = 0;
    std::int32_t Xcoord = 0;
    std::int32_t Ycoord = 0;
    std::int32_t CombineOp = -1;
    std::int32_t Visibility = 0;
    std::int32_t Visibility1 = 0;
    // Action, Align, Visibility and Visibility1 named (see SysButtonCodes.h);
    // set with them when the skin is read.
    SysAction ActionKind = SysAction::Close;
    ButtonAlign AlignKind = ButtonAlign::TopLeft;
    ButtonVisibility VisibilityKind = ButtonVisibility::Always;
    ButtonVisibility Visibility1Kind = ButtonVisibility::Always;
};

using SysButtonList = std::vector<std::unique_ptr<TDataSkinSysButton>>;

// The optional elements, one per INI section; absent when its image key is empty.
enum class SkinElementKind {
    GroupBoxEdge,
    Toolbar,
    Tabs, // a TDataSkinBorder
    StatusBarEdges,
    ComboButton,
    SunkEdge,
    ExtraImages,
    Headerbar,
    MenuItem,
    MenuBackground,
    Scrollbar,
    HorzScroll,
    VertScroll,
    HorzScrollThumb,
    VertScrollThumb,
    Progress,
    MenuBar,
};
inline constexpr std::size_t kSkinElementCount = 17;
static_assert(static_cast<std::size_t>(SkinElementKind::MenuBar) + 1 == kSkinElementCount,
              "the count follows the last element");

// The palette of section "Colours".
struct SkinPalette {
    Colour WindowText = kClWindowText;
    Colour ButtonFace = kClBtnFace;
    Colour ButtonText = kClBtnText;
    Colour ButtonHilight = kClBtnHighlight;
    Colour Buttonlight = kClBtnHighlight;
    Colour ButtonShadow = kClBtnShadow;
    Colour ButtonDkShadow = kClBtnShadow;
    Colour HilightText = kClHighlightText;
    Colour Hilight = kClHighlight;
    Colour Menubar = kClBtnFace;
    Colour MenuText = kClMenuText;
    Colour Menu = kClMenu;
    Colour MenuBarText = kClMenu;
    Colour Scrollbar = kClScrollBar;
    Colour TitleTextActive = kClCaptionText;
    Colour TitleTextInactive = kClInactiveCaptionText;
};

// A QObject so that what draws from it (window frames, skinned controls, menu
// styles) can hold it through a QPointer and hear of its destruction: the skin
// data may go before or after any of them.
class TSkinData : public QObject {
    Q_OBJECT
public:
    explicit TSkinData(QObject* parent = nullptr);
    ~TSkinData() override;
    TSkinData(const TSkinData&) = delete;
    TSkinData& operator=(const TSkinData&) = delete;

    // --- The stored skin: int32 size n, then n bytes of packed skin ---------
    // Reads the stored form. n <= 0 keeps the held packed skin and loads
    // nothing; otherwise the n bytes become the held packed skin and, outside
    // design mode, LoadSkin runs. Returns false when the block is shorter than
    // its size field says (nothing changes then).
    bool ReadSkinStream(std::span<const std::uint8_t> stored);
    // Same, from a file or Qt resource such as ":/skin/numero.skin".
    bool ReadSkinStreamFrom(const QString& path);
    // The stored form of the held packed skin.
    std::vector<std::uint8_t> WriteSkinStream() const;

    // Path of a packed skin file: an existing file replaces the held packed
    // skin and is loaded at once; a missing one only changes the stored path.
    const QString& SkinFile() const { return skinFile_; }
    void SetSkinFile(const QString& path);
    // "(Good)" in design mode while a packed skin is held, "(none)" otherwise.
    QString SkinStore() const;
    void SetSkinStore(const QString&) {}

    bool DesignMode() const { return designMode_; }
    void SetDesignMode(bool on) { designMode_ = on; }

    const std::vector<std::uint8_t>& PackedSkin() const { return packed_; }

    // --- Loading ------------------------------------------------------------
    // Unpacks the held packed skin, parses its INI entry and loads its images.
    // A skin that cannot be unpacked or has no INI entry leaves the skin empty
    // (SkinEmpty true, the window keeps the platform's look); returns false.
    bool LoadSkin();
    // Parses an INI description; `images` supplies the bitmaps it names (none:
    // every image stays empty). Ends with SkinEmpty false and RefreshSkinForms.
    void ReadSkinIni(std::string_view iniText, const TSkinReader* images = nullptr);
    void ReadSkinIni(const IniText& ini, const TSkinReader* images = nullptr);
    // Loads the archive entry named by `fileName` into `bitmap`: the name part
    // after the last '\' or ':' ('/' is no separator) must end in ".bmp" (exact
    // case) and name a non-empty entry that is a valid bitmap, otherwise the
    // bitmap is emptied. Magenta pixels become transparent.
    static void LoadSkinBitmap(const TSkinReader* images, QImage& bitmap, std::string_view fileName);
    // A Windows bitmap file as an image with magenta turned transparent; null when invalid.
    static QImage DecodeSkinBitmap(std::span<const std::uint8_t> bmpFile);

    bool SkinEmpty() const { return skinEmpty_; }

    // Emits SkinChanged: the skinned forms of this skin draw it again.
    void RefreshSkinForms();

    // --- Elements -------------------------------------------------------------
    const TDataSkinBorder& Left() const { return left_; }
    const TDataSkinBorder& Right() const { return right_; }
    const TDataSkinBorder& Top() const { return top_; }
    const TDataSkinBorder& Bottom() const { return bottom_; }
    const TDataSkinTitle& Title() const { return title_; }
    const TDataSkinButton& Buttons() const { return buttons_; }
    const SysButtonList& SysButtons() const { return sysButtons_; }
    SysButtonList& SysButtons() { return sysButtons_; }

    // nullptr when the skin has no such element.
    const TDataSkinObject* Element(SkinElementKind which) const { return elements_[Index(which)].get(); }
    const TDataSkinObject* GroupBoxEdge() const { return Element(SkinElementKind::GroupBoxEdge); }
    const TDataSkinObject* Toolbar() const { return Element(SkinElementKind::Toolbar); }
    const TDataSkinBorder* Tabs() const { return static_cast<const TDataSkinBorder*>(Element(SkinElementKind::Tabs)); }
    const TDataSkinObject* StatusBarEdges() const { return Element(SkinElementKind::StatusBarEdges); }
    const TDataSkinObject* ComboButton() const { return Element(SkinElementKind::ComboButton); }
    const TDataSkinObject* SunkEdge() const { return Element(SkinElementKind::SunkEdge); }
    const TDataSkinObject* ExtraImages() const { return Element(SkinElementKind::ExtraImages); }
    const TDataSkinObject* Headerbar() const { return Element(SkinElementKind::Headerbar); }
    const TDataSkinObject* MenuItem() const { return Element(SkinElementKind::MenuItem); }
    const TDataSkinObject* MenuBackground() const { return Element(SkinElementKind::MenuBackground); }
    const TDataSkinObject* Scrollbar() const { return Element(SkinElementKind::Scrollbar); }
    const TDataSkinObject* HorzScroll() const { return Element(SkinElementKind::HorzScroll); }
    const TDataSkinObject* VertScroll() const { return Element(SkinElementKind::VertScroll); }
    const TDataSkinObject* HorzScrollThumb() const { return Element(SkinElementKind::HorzScrollThumb); }
    const TDataSkinObject* VertScrollThumb() const { return Element(SkinElementKind::VertScrollThumb); }
    const TDataSkinObject* Progress() const { return Element(SkinElementKind::Progress); }
    const TDataSkinObject* MenuBar() const { return Element(SkinElementKind::MenuBar); }

    // --- Colours --------------------------------------------------------------
    const SkinPalette& Palette() const { return palette_; }
    // One colour per COLOUR section, in section order.
    const std::vector<Colour>& ColourList() const { return colourList_; }
    // ColourList[number], or nothing when the number is outside the list.
    std::optional<Colour> ColourOf(std::int32_t number) const;

signals:
    // The skin was loaded again, or emptied.
    void SkinChanged();

private:
    static constexpr std::size_t Index(SkinElementKind e) { return static_cast<std::size_t>(e); }
    void ReadBorders(const IniText& ini, const TSkinReader* images);
    void ReadSysButtons(const IniText& ini, const TSkinReader* images);
    void ReadButtons(const IniText& ini, const TSkinReader* images);
    void ReadColours(const IniText& ini);
    void ReadTitle(const IniText& ini, const TSkinReader* images);
    void ReadOptionalElements(const IniText& ini, const TSkinReader* images);
    void SetFrameCounts(const IniText& ini);
    void Clear();

    std::vector<std::uint8_t> packed_;
    QString skinFile_;
    bool designMode_ = false;
    bool skinEmpty_ = true;

    TDataSkinBorder left_{"Left"};
    TDataSkinBorder right_{"Right"};
    TDataSkinBorder top_{"Top"};
    TDataSkinBorder bottom_{"Bottom"};
    TDataSkinTitle title_{"Title"};
    TDataSkinButton buttons_{"Buttons"};
    SysButtonList sysButtons_;
    std::array<std::unique_ptr<TDataSkinObject>, kSkinElementCount> elements_;

    SkinPalette palette_;
    std::vector<Colour> colourList_;
};

} // namespace lirem::skin
