// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing operations shared by the skinned controls.

#include "skin/controls/SkinControlLook.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QStaticText>
#include <QString>

#include <vector>

class QPainter;

namespace lirem::skin {

class SkinScratch;

// Frame `frame` (1-based, of frameCount side by side) of the element composed
// at size: fixed margins, centre tiled or stretched by the element's Tile.
QImage ComposeElement(const SkinElement& element, QSize size, int frameCount, int frame);

// A rect-sized picture of the element's frame over ButtonFace (magenta, that
// is the see-through pixels, showing ButtonFace). Composed in the scratch.
QPixmap SkinBackground(QSize size, const SkinElement& element, int frameCount, int frame, const QColor& face,
                       SkinScratch* scratch);

// Captions laid out before, so that repainting an unchanged control does not
// measure and shape its text again.
class CaptionCache {
public:
    struct Entry {
        QString text;
        QFont font;
        QSize size;         // the measured one-line box
        bool plain = false; // no mnemonic and no tab: drawn from the prepared text
        QStaticText prepared;
    };
    const Entry& Get(const QString& text, const QFont& font);

private:
    static constexpr std::size_t kCapacity = 16;
    std::vector<Entry> entries_;
};

// The text as one line (tabs expanded), its measured box centred in rect
// (offsets rounded toward zero); a disabled control's text in shadow. The
// painter's font and pen are used otherwise.
void DrawCenteredCaption(QPainter& painter, const QRect& rect, const QString& text, bool enabled, const QColor& shadow,
                         CaptionCache* cache = nullptr);

// A caption with a picture: the picture at (left + 6, top + 1), the text
// centred between left + 22 and the right edge.
void DrawPictureCaption(QPainter& painter, const QRect& rect, const QPixmap& picture, const QString& text, bool enabled,
                        const QColor& shadow, CaptionCache* cache = nullptr);

// Cell k (1-based) of an image of frameCount equal cells, stretched into rect,
// magenta see-through.
void DrawCell(QPainter& painter, const QRect& rect, int frameCount, int k, const QImage& image);

// The font in its regular style: not bold, italic, underlined or struck out.
QFont RegularFont(QFont font);

// Pictures composed for one control, so that an unchanged control repaints
// with one copy. Keyed by everything that shapes the picture.
class ComposedCache {
public:
    struct Key {
        qint64 image = 0;
        QSize size;
        int frameCount = 0;
        int frame = 0;
        int transparent = 0;
        QRgb face = 0;
        bool operator==(const Key&) const = default;
    };

    // The cached picture for key, made by make() when missing.
    template <typename Make> const QPixmap& Get(const Key& key, Make make) {
        for (const auto& entry : entries_)
            if (entry.key == key)
                return entry.picture;
        if (entries_.size() >= kCapacity)
            entries_.erase(entries_.begin());
        entries_.push_back(Entry{key, make()});
        return entries_.back().picture;
    }
    void Clear() { entries_.clear(); }

private:
    static constexpr std::size_t kCapacity = 32;
    struct Entry {
        Key key;
        QPixmap picture;
    };
    std::vector<Entry> entries_;
};

} // namespace lirem::skin
