// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/data/WinSkinData.h"

#include "skin/archive/SkinRead.h"
#include "skin/data/SkinBitmap.h"
#include "skin/data/SkinDraw.h"
#include "skin/data/SkinIni.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>

namespace lirem::skin {

namespace {

constexpr std::string_view kPersonality = "Personality";
constexpr std::string_view kColours = "Colours";
constexpr std::string_view kButtons = "Buttons";

// Sections of the optional elements read from an "Image" key, in SkinElementKind order.
constexpr std::array<std::string_view, 15> kImageSections = {
    "GroupBoxEdge", "Toolbar",     "Tabs",       "StatusBarEdges",  "ComboButton",
    "SunkEdge",     "ExtraImages", "Headerbar",  "MenuItem",        "MenuBackground",
    "Scrollbar",    "HorzScroll",  "VertScroll", "HorzScrollThumb", "VertScrollThumb",
};
// Progress and MenuBar follow them; they are read from keys of their own.
static_assert(kImageSections.size() == static_cast<std::size_t>(SkinElementKind::Progress),
              "one section per element read from an Image key");

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool IsSysButtonSection(std::string_view name) {
    const std::string u = Upper(name);
    return u.starts_with("BUTTON") && u != "BUTTONS" && u != "BUTTON.RADIO" && u != "BUTTON.CHECKBOX";
}

bool IsColourSection(std::string_view name) {
    const std::string u = Upper(name);
    return u.starts_with("COLOUR") && u != "COLOURS";
}

// Frame count of a check or radio image whose count the skin leaves open.
std::int32_t GlyphFrames(const QImage& image) {
    const int cell = image.height() < 16 ? 13 : 16;
    return std::max(image.width() / cell, 4);
}

} // namespace

TSkinData::TSkinData(QObject* parent) : QObject(parent) {}
// What holds the skin data hears of its end through QObject::destroyed.
TSkinData::~TSkinData() = default;

// --- The stored skin ---------------------------------------------------------

bool TSkinData::ReadSkinStream(std::span<const std::uint8_t> stored) {
    if (stored.size() < 4)
        return false;
    std::uint32_t raw = 0;
    for (int i = 3; i >= 0; --i)
        raw = raw << 8 | stored[static_cast<std::size_t>(i)];
    const auto n = static_cast<std::int32_t>(raw);
    if (n <= 0)
        return true;
    const auto body = stored.subspan(4);
    if (body.size() < static_cast<std::size_t>(n))
        return false;
    packed_.assign(body.begin(), body.begin() + n);
    if (!designMode_)
        LoadSkin();
    return true;
}

bool TSkinData::ReadSkinStreamFrom(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    return ReadSkinStream(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
}

std::vector<std::uint8_t> TSkinData::WriteSkinStream() const {
    const auto n = static_cast<std::uint32_t>(packed_.size());
    std::vector<std::uint8_t> out(4 + packed_.size());
    for (std::size_t i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(n >> (8 * i));
    if (!packed_.empty())
        std::memcpy(out.data() + 4, packed_.data(), packed_.size());
    return out;
}

void TSkinData::SetSkinFile(const QString& path) {
    skinFile_ = path;
    if (designMode_) {
        if (!path.isEmpty())
            packed_.clear();
        return;
    }
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    packed_.assign(bytes.begin(), bytes.end());
    LoadSkin();
}

QString TSkinData::SkinStore() const {
    return designMode_ && !packed_.empty() ? QStringLiteral("(Good)") : QStringLiteral("(none)");
}

// --- Loading -------------------------------------------------------------------

bool TSkinData::LoadSkin() {
    if (designMode_)
        return false;
    bool loaded = false;
    try {
        // The reader and its unpacked data live only for this load.
        TSkinReader reader;
        std::vector<std::uint8_t> iniBytes;
        std::string iniName;
        if (reader.LoadFromPacked(packed_) && reader.ExtractByPattern(".ini", iniBytes, iniName)) {
            const std::string_view text(reinterpret_cast<const char*>(iniBytes.data()), iniBytes.size());
            ReadSkinIni(text, &reader);
            loaded = true;
        }
    } catch (const std::exception&) {
        loaded = false; // the decoder's memory failure: no skin rather than a half one
    }
    if (!loaded) {
        const bool hadSkin = !skinEmpty_;
        Clear();
        if (hadSkin)
            RefreshSkinForms();
    }
    return loaded;
}

void TSkinData::Clear() {
    left_ = TDataSkinBorder("Left");
    right_ = TDataSkinBorder("Right");
    top_ = TDataSkinBorder("Top");
    bottom_ = TDataSkinBorder("Bottom");
    title_ = TDataSkinTitle("Title");
    buttons_ = TDataSkinButton("Buttons");
    sysButtons_.clear();
    for (auto& e : elements_)
        e.reset();
    palette_ = SkinPalette{};
    colourList_.clear();
    skinEmpty_ = true;
}

void TSkinData::ReadSkinIni(std::string_view iniText, const TSkinReader* images) {
    ReadSkinIni(IniText(iniText), images);
}

void TSkinData::ReadSkinIni(const IniText& ini, const TSkinReader* images) {
    ReadBorders(ini, images);
    ReadSysButtons(ini, images);
    ReadButtons(ini, images);
    ReadColours(ini);
    ReadTitle(ini, images);
    ReadOptionalElements(ini, images);
    SetFrameCounts(ini);
    skinEmpty_ = false;
    RefreshSkinForms();
}

void TSkinData::LoadSkinBitmap(const TSkinReader* images, QImage& bitmap, std::string_view fileName) {
    bitmap = QImage();
    std::string_view name = fileName;
    if (const std::size_t cut = name.find_last_of("\\:"); cut != std::string_view::npos)
        name.remove_prefix(cut + 1);
    const std::size_t dot = name.rfind('.');
    if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp" || images == nullptr)
        return;
    std::vector<std::uint8_t> bytes;
    images->ExtractByName(name, bytes);
    if (!bytes.empty())
        bitmap = DecodeSkinBitmap(bytes);
}

QImage TSkinData::DecodeSkinBitmap(std::span<const std::uint8_t> bmpFile) {
    if (bmpFile.empty() || bmpFile.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return {};
    // Skins' plain bitmaps are read directly, at a fraction of the reader's cost.
    if (QImage plain = ReadPlainBitmap(bmpFile); !plain.isNull())
        return plain;
    // The toolkit's own BMP reader, asked for by name: with format detection on,
    // QImageReader first loads and asks every image format plugin, which costs
    // more at start-up than decoding all the skin's bitmaps.
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bmpFile.data()), static_cast<qsizetype>(bmpFile.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    QImage image;
    if (!reader.read(&image))
        return {};
    return KeyMagenta(image);
}

// --- INI sections ----------------------------------------------------------------

void TSkinData::ReadBorders(const IniText& ini, const TSkinReader* images) {
    for (TDataSkinBorder* border : {&left_, &right_, &top_, &bottom_}) {
        const std::string& b = border->Name;
        LoadSkinBitmap(images, border->Bitmap, ini.ReadString(kPersonality, b));
        const std::int32_t first = ini.ReadInteger(kPersonality, b + "TopHeight", 0);
        const std::int32_t second = ini.ReadInteger(kPersonality, b + "BotHeight", 0);
        // Side borders keep their fixed ends at top and bottom, top and bottom
        // borders at left and right.
        if (border == &left_ || border == &right_) {
            border->LeftWidth = border->RightWidth = 0;
            border->TopHeight = first;
            border->BottomHeight = second;
        } else {
            border->TopHeight = border->BottomHeight = 0;
            border->LeftWidth = first;
            border->RightWidth = second;
        }
        // The frame metrics divide by the frame count: a count below 1 means one frame.
        border->FrameCount = std::max(ini.ReadInteger(kPersonality, b + "Frame", 1), 1);
        border->Tile = ini.ReadInteger(kPersonality, b + "Stretch", 1);
    }
}

void TSkinData::ReadSysButtons(const IniText& ini, const TSkinReader* images) {
    sysButtons_.clear();
    for (const std::string& section : ini.Sections()) {
        if (!IsSysButtonSection(section))
            continue;
        auto button = std::make_unique<TDataSkinSysButton>(Upper(section));
        button->Action = ini.ReadInteger(section, "Action", 0);
        button->Align = ini.ReadInteger(section, "Align", 0);
        button->Xcoord = ini.ReadInteger(section, "Xcoord", 0);
        button->Ycoord = ini.ReadInteger(section, "Ycoord", 0);
        button->Visibility = ini.ReadInteger(section, "Visibility", 0);
        button->Visibility1 = ini.ReadInteger(section, "Visibility1", 0);
        button->CombineOp = ini.ReadInteger(section, "CombineOp", -1);
        button->ActionKind = ToSysAction(button->Action);
        button->AlignKind = ToButtonAlign(button->Align);
        button->VisibilityKind = ToButtonVisibility(button->Visibility);
        button->Visibility1Kind = ToButtonVisibility(button->Visibility1);
        button->FrameCount = ini.ReadInteger(section, "frame", 0);
        LoadSkinBitmap(images, button->Bitmap, ini.ReadString(section, "ButtonImage"));
        if (button->FrameCount == 0) {
            // Three frames for a narrow strip, six for a wide one (width / height above 3.8).
            button->FrameCount = 6;
            const QImage& img = button->Bitmap;
            if (!img.isNull())
                button->FrameCount = 5 * img.width() <= 19 * img.height() ? 3 : 6;
        }
        if (button->Action < 0)
            button->FrameCount = 6;
        sysButtons_.push_back(std::move(button));
    }
}

void TSkinData::ReadButtons(const IniText& ini, const TSkinReader* images) {
    TDataSkinButton& b = buttons_;
    LoadSkinBitmap(images, b.Bitmap, ini.ReadString(kButtons, "Bitmap"));
    LoadSkinBitmap(images, b.CheckButton, ini.ReadString(kButtons, "CheckButton"));
    LoadSkinBitmap(images, b.RadioButton, ini.ReadString(kButtons, "RadioButton"));
    b.LeftWidth = ini.ReadInteger(kButtons, "LeftWidth", 0);
    b.RightWidth = ini.ReadInteger(kButtons, "RightWidth", 0);
    b.TopHeight = ini.ReadInteger(kButtons, "TopHeight", 0);
    b.BottomHeight = ini.ReadInteger(kButtons, "BottomHeight", 0);
    b.Trans = ini.ReadInteger(kButtons, "Trans", 0);
    b.NormalColour = ini.ReadInteger(kButtons, "NormalColour", -1);
    b.MouseOverColour = ini.ReadInteger(kButtons, "MouseOverColour", -1);
    b.PressedColour = ini.ReadInteger(kButtons, "PressedColour", -1);
    b.RadioButtonFrame = ini.ReadInteger(kButtons, "RadioButtonFrame", 0);
    b.CheckButtonFrame = ini.ReadInteger(kButtons, "CheckButtonFrame", 0);
}

void TSkinData::ReadColours(const IniText& ini) {
    const auto colour = [&](std::string_view key, Colour fallback) {
        return ParseColourText(ini.ReadString(kColours, key), fallback);
    };
    SkinPalette& p = palette_;
    p.WindowText = colour("WindowText", kClWindowText);
    p.ButtonFace = colour("ButtonFace", kClBtnFace);
    p.Scrollbar = colour("Scrollbar", kClScrollBar);
    p.HilightText = colour("HilightText", kClHighlightText);
    p.Hilight = colour("Hilight", kClHighlight);
    p.Menubar = colour("Menubar", p.ButtonFace);
    p.Menu = colour("Menu", kClMenu);
    std::string menuText = ini.ReadString(kColours, "MenuText");
    if (menuText.empty())
        menuText = ini.ReadString(kColours, "ButtonFace");
    p.MenuText = ParseColourText(menuText, kClMenuText);
    p.ButtonText = colour("ButtonText", kClBtnText);
    p.ButtonHilight = colour("ButtonHilight", kClBtnHighlight);
    p.Buttonlight = colour("Buttonlight", kClBtnHighlight);
    p.ButtonShadow = colour("ButtonShadow", kClBtnShadow);
    p.ButtonDkShadow = colour("ButtonDkShadow", kClBtnShadow);
    p.MenuBarText = colour("MenuBarText", kClMenu);
    p.TitleTextActive = colour("TitleTextActive", kClCaptionText);
    // The inactive title colour comes from the same key as the active one.
    p.TitleTextInactive = colour("TitleTextActive", kClInactiveCaptionText);

    colourList_.clear();
    for (const std::string& section : ini.Sections())
        if (IsColourSection(section))
            colourList_.push_back(ParseColourText(ini.ReadString(section, "color"), kClWindowText));
}

void TSkinData::ReadTitle(const IniText& ini, const TSkinReader* images) {
    TDataSkinTitle& t = title_;
    LoadSkinBitmap(images, t.Bitmap, ini.ReadString(kPersonality, "TextBack"));
    t.LeftWidth = ini.ReadInteger(kPersonality, "TextShift", 0);
    t.TopHeight = ini.ReadInteger(kPersonality, "TextShiftVert", 0);
    t.RightWidth = ini.ReadInteger(kPersonality, "TextRightClip", 0);
    t.TextAlignment = ini.ReadInteger(kPersonality, "TextAlignment", 0);
    t.TXTBackleft = ini.ReadInteger(kPersonality, "TXTBackleft", 0);
    t.TXTBackRight = ini.ReadInteger(kPersonality, "TXTBackRight", 0);
    t.FontHeight = ini.ReadInteger("Fonts", "FontHeight", 14);
    const auto rgb = [&](const std::string& prefix) {
        const std::int32_t r = ini.ReadInteger(kPersonality, prefix + "R", -1);
        const std::int32_t g = ini.ReadInteger(kPersonality, prefix + "G", -1);
        const std::int32_t b = ini.ReadInteger(kPersonality, prefix + "B", -1);
        return r >= 0 && g >= 0 && b >= 0 ? RgbColour(r, g, b) : kColourUnset;
    };
    t.ActiveText = rgb("ActiveText");
    t.InActiveText = rgb("InActiveText");
}

void TSkinData::ReadOptionalElements(const IniText& ini, const TSkinReader* images) {
    const auto readFields = [&](TDataSkinObject& e, std::string_view section) {
        e.LeftWidth = ini.ReadInteger(section, "LeftWidth", 0);
        e.RightWidth = ini.ReadInteger(section, "RightWidth", 0);
        e.TopHeight = ini.ReadInteger(section, "TopHeight", 0);
        e.BottomHeight = ini.ReadInteger(section, "BottomHeight", 0);
        e.Trans = ini.ReadInteger(section, "Trans", 0);
        e.Tile = ini.ReadInteger(section, "Tile", 0);
    };

    auto& progress = elements_[Index(SkinElementKind::Progress)];
    progress.reset();
    if (const std::string file = ini.ReadString("Progress", "Bitmap"); !file.empty()) {
        progress = std::make_unique<TDataSkinObject>("Progress");
        LoadSkinBitmap(images, progress->Bitmap, file);
        readFields(*progress, "Progress");
    }

    auto& menuBar = elements_[Index(SkinElementKind::MenuBar)];
    menuBar.reset();
    if (const std::string file = ini.ReadString(kPersonality, "menuBar"); !file.empty()) {
        menuBar = std::make_unique<TDataSkinObject>("menuBar");
        LoadSkinBitmap(images, menuBar->Bitmap, file);
        menuBar->LeftWidth = ini.ReadInteger(kPersonality, "TileLeftMenu", 0);
        menuBar->RightWidth = ini.ReadInteger(kPersonality, "TileRightMenu", 0);
    }

    for (std::size_t i = 0; i < kImageSections.size(); ++i) {
        const std::string_view section = kImageSections[i];
        auto& element = elements_[i];
        element.reset();
        const std::string file = ini.ReadString(section, "Image");
        if (file.empty())
            continue;
        const bool isTabs = i == Index(SkinElementKind::Tabs);
        if (isTabs)
            element = std::make_unique<TDataSkinBorder>(std::string(section));
        else
            element = std::make_unique<TDataSkinObject>(std::string(section));
        LoadSkinBitmap(images, element->Bitmap, file);
        readFields(*element, section);
        element->NormalColour = ini.ReadInteger(section, "NormalColour", -1);
        element->MouseOverColour = ini.ReadInteger(section, "MouseOverColour", -1);
        element->PressedColour = ini.ReadInteger(section, "PressedColour", -1);
        if (isTabs) {
            if (const std::string border = ini.ReadString(section, "Border"); !border.empty())
                LoadSkinBitmap(images, static_cast<TDataSkinBorder&>(*element).BorderBitmap, border);
        }
    }
}

void TSkinData::SetFrameCounts(const IniText& ini) {
    const auto set = [&](SkinElementKind which, std::int32_t count) {
        if (auto& e = elements_[Index(which)])
            e->FrameCount = count;
    };
    title_.FrameCount = 2;
    set(SkinElementKind::Progress, 2);
    set(SkinElementKind::MenuBar, 2);
    set(SkinElementKind::GroupBoxEdge, 2);
    set(SkinElementKind::Toolbar, 5);
    set(SkinElementKind::Tabs, 5);
    set(SkinElementKind::ExtraImages, 5);
    set(SkinElementKind::MenuItem, 5);
    set(SkinElementKind::StatusBarEdges, 3);
    set(SkinElementKind::ComboButton, 4);
    set(SkinElementKind::SunkEdge, 4);
    set(SkinElementKind::HorzScroll, 4);
    set(SkinElementKind::VertScroll, 4);
    set(SkinElementKind::MenuBackground, 1);
    set(SkinElementKind::Scrollbar, 23);
    set(SkinElementKind::HorzScrollThumb, std::max(ini.ReadInteger("HorzScrollThumb", "FrameCount", 3), 1));
    set(SkinElementKind::VertScrollThumb, std::max(ini.ReadInteger("VertScrollThumb", "FrameCount", 3), 1));
    buttons_.FrameCount = 5;
    if (buttons_.RadioButtonFrame == 0)
        buttons_.RadioButtonFrame = GlyphFrames(buttons_.RadioButton);
    if (buttons_.CheckButtonFrame == 0)
        buttons_.CheckButtonFrame = GlyphFrames(buttons_.CheckButton);
}

// --- Listeners and colours -------------------------------------------------------------

void TSkinData::RefreshSkinForms() {
    emit SkinChanged();
}

std::optional<Colour> TSkinData::ColourOf(std::int32_t number) const {
    if (number < 0 || static_cast<std::size_t>(number) >= colourList_.size())
        return std::nullopt;
    return colourList_[static_cast<std::size_t>(number)];
}

} // namespace lirem::skin
