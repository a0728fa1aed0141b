// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/ReadingPainter.h"

#include "layout/ControlNames.h"
#include "layout/LayoutTable.h"
#include "look/AppTitle.h"
#include "look/DesignScale.h"
#include "look/Fonts.h"
#include "look/LayoutLook.h"
#include "look/TextBoundary.h"
#include "reading/PictureCache.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace lirem::reading {
namespace {

using layout::ControlKind;
using layout::ControlRow;

const QColor kInk(0, 0, 0);
const QColor kFrame(160, 160, 160);
const QColor kFaint(110, 110, 110);
const QColor kAccent(64, 112, 176); // the skin's highlight
const QColor kFieldFill(250, 250, 250);

// Faces of the window, sized so that a design unit is one sheet unit.
QFont FaceFont(layout::FontFace face, const QPaintDevice& device, double scale = 1.0) {
    QFont font = look::MakeFont(face);
    font.setPointSizeF(font.pointSizeF() * scale * look::DesignScale::kDesignDpi / device.logicalDpiY());
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString DateText(const session::BirthDate& date) {
    return QStringLiteral("%1.%2.%3").arg(date.day).arg(date.month, 2, 10, QLatin1Char('0')).arg(date.year);
}

QString FullName(const std::string& first, const std::string& middle, const std::string& last) {
    QStringList parts;
    for (const std::string* part : {&first, &middle, &last}) {
        const QString text = look::FromEngineText(*part).simplified();
        if (!text.isEmpty())
            parts.append(text);
    }
    return parts.join(QLatin1Char(' '));
}

using FieldValues = std::map<std::string, QString, std::less<>>;

// The values the input fields of the window hold for this reading, by field.
FieldValues MakeFieldValues(const session::PersonInput& in) {
    static const QStringList months = look::FromUtf8(layout::MonthNames());
    const session::PartnerInput partner = in.partner.value_or(session::PartnerInput{});
    return FieldValues{
        {control::seDay, QString::number(in.date.day)},
        {control::seMonth, QString::number(in.date.month)},
        {control::seYear, QString::number(in.date.year)},
        {control::edFirst, look::FromEngineText(in.first)},
        {control::edMiddle, look::FromEngineText(in.middle)},
        {control::edLast, look::FromEngineText(in.last)},
        {control::sePartnerDay, QString::number(partner.date.day)},
        {control::sePartnerMonth, QString::number(partner.date.month)},
        {control::sePartnerYear, QString::number(partner.date.year)},
        {control::edPartnerFirst, look::FromEngineText(partner.first)},
        {control::edPartnerMiddle, look::FromEngineText(partner.middle)},
        {control::edPartnerLast, look::FromEngineText(partner.last)},
        {control::cbYear, QString::number(in.calendar.year)},
        {control::cbMonth,
         in.calendar.month >= 1 && in.calendar.month <= 12 ? months[in.calendar.month - 1] : QString()},
        {control::edMisc, look::FromEngineText(in.text.value_or(std::string()))},
    };
}

bool PagePrinted(const std::string& page, const session::PersonInput& in) {
    if (page == control::tsAbout)
        return false;
    if (page == control::tsSynastry)
        return in.partner.has_value();
    if (page == control::tsMisc)
        return in.text.has_value();
    return true;
}

// Buttons run calculations and the free-text page's memo explains the page:
// neither belongs on paper.
bool ControlPrinted(const ControlRow& row) {
    return row.kind != ControlKind::Button && row.name != control::meMisc;
}

// Lays out and draws the controls of one page in design units.
class PageArtist {
public:
    PageArtist(const Reading& reading, const QPaintDevice& device, MemoLineHeights& lineHeights)
        : reading_(reading), device_(device), lineHeights_(lineHeights), fields_(MakeFieldValues(reading.input)) {
        for (const ControlRow& row : layout::Controls())
            if (row.kind == ControlKind::GroupBox)
                groups_.emplace(row.name, &row);
    }

    // The page a control lies on, through its group box.
    [[nodiscard]] std::string PageOf(const ControlRow& row) const {
        const auto group = groups_.find(row.parent);
        return group != groups_.end() ? group->second->parent : row.parent;
    }

    [[nodiscard]] QPointF Origin(const ControlRow& row) const {
        const auto group = groups_.find(row.parent);
        const QPointF offset = group != groups_.end() ? QPointF(group->second->x, group->second->y) : QPointF();
        return offset + QPointF(row.x, row.y);
    }

    [[nodiscard]] bool Visible(const ControlRow& row) const {
        const session::RecordingSink& shown = reading_.shown;
        return shown.Written(row.name) ? shown.Control(row.name).visible : !row.hidden;
    }

    [[nodiscard]] QString Text(const ControlRow& row) const {
        const session::RecordingSink& shown = reading_.shown;
        return shown.Written(row.name) ? look::FromEngineText(shown.Control(row.name).text) : look::FromUtf8(row.text);
    }

    [[nodiscard]] QColor Colour(const ControlRow& row) const {
        const session::ControlState& state = reading_.shown.Control(row.name);
        if (state.colourSet)
            return look::ToQColor(state.colour);
        return row.colour ? look::ToQColor(*row.colour) : kInk;
    }

    [[nodiscard]] QStringList MemoLines(const ControlRow& row) const {
        QStringList lines;
        for (const std::string& line : reading_.shown.Control(row.name).lines)
            lines.append(look::FromEngineText(line));
        return lines;
    }

    // The height of each line of a memo wrapped at its width, measured once
    // per reading: the sheets are planned and then painted with them.
    [[nodiscard]] const std::vector<double>& LineHeights(const ControlRow& row) const {
        auto it = lineHeights_.find(row.name);
        if (it != lineHeights_.end())
            return it->second;
        const QFont& font = Font(row.face);
        const QFontMetricsF metrics(font, &device_);
        std::vector<double> heights;
        for (const QString& line : MemoLines(row)) {
            heights.push_back(line.isEmpty() ? metrics.lineSpacing()
                                             : metrics
                                                   .boundingRect(QRectF(0, 0, row.width - 12, 1e6),
                                                                 Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, line)
                                                   .height());
        }
        return lineHeights_.emplace(row.name, std::move(heights)).first->second;
    }

    // A memo grows to show every line; the window would scroll instead.
    [[nodiscard]] double MemoHeight(const ControlRow& row) const {
        double height = 8;
        for (const double line : LineHeights(row))
            height += line;
        return std::max<double>(row.height, height);
    }

    [[nodiscard]] bool Printed(const ControlRow& row) const {
        if (!ControlPrinted(row) || !Visible(row))
            return false;
        const bool field =
            row.kind == ControlKind::Edit || row.kind == ControlKind::SpinEdit || row.kind == ControlKind::ComboBox;
        return !field || fields_.contains(row.name);
    }

    // Height of a page's box: down to its lowest control.
    [[nodiscard]] double PageHeight(const std::string& page) const {
        double bottom = 0;
        for (const ControlRow& row : layout::Controls()) {
            if (PageOf(row) != page || !Printed(row))
                continue;
            const double height = row.kind == ControlKind::Memo ? MemoHeight(row) : row.height;
            bottom = std::max(bottom, Origin(row).y() + height);
        }
        return bottom + 8;
    }

    void Paint(QPainter& painter, const std::string& page) const {
        for (const ControlRow& row : layout::Controls()) {
            if (PageOf(row) != page || !Printed(row))
                continue;
            const QPointF at = Origin(row);
            switch (row.kind) {
            case ControlKind::Label:
                PaintLabel(painter, row, at);
                break;
            case ControlKind::ValueBox:
                PaintValueBox(painter, row, at);
                break;
            case ControlKind::Edit:
            case ControlKind::SpinEdit:
            case ControlKind::ComboBox:
                PaintField(painter, row, at, fields_.find(row.name)->second);
                break;
            case ControlKind::Memo:
                PaintMemo(painter, row, at);
                break;
            case ControlKind::GroupBox:
                PaintGroup(painter, row, at);
                break;
            case ControlKind::Picture:
                PaintPicture(painter, row, at);
                break;
            case ControlKind::Button:
                break;
            }
        }
    }

private:
    void PaintLabel(QPainter& painter, const ControlRow& row, QPointF at) const {
        const QString text = Text(row);
        const QFont& font = Font(row.face);
        const QFontMetricsF metrics(font, &device_);
        if (row.background) {
            // The label sizes itself to its text, as in the window.
            const QRectF box(at, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
            painter.fillRect(box, look::ToQColor(*row.background));
        }
        painter.setFont(font);
        painter.setPen(Colour(row));
        painter.drawText(at + QPointF(0, metrics.ascent()), text);
    }

    void PaintValueBox(QPainter& painter, const ControlRow& row, QPointF at) const {
        const QString text = Text(row);
        const QFont& font = Font(row.face);
        const QFontMetricsF metrics(font, &device_);
        const QRectF box(at, QSizeF(std::max<double>(row.width, metrics.horizontalAdvance(text) + 6), row.height));
        painter.setPen(QPen(kFrame, 0.8));
        painter.setBrush(kFieldFill);
        painter.drawRect(box);
        painter.setFont(font);
        painter.setPen(Colour(row));
        painter.drawText(box, Qt::AlignCenter, text);
    }

    void PaintField(QPainter& painter, const ControlRow& row, QPointF at, const QString& value) const {
        const QRectF box(at, QSizeF(row.width, row.height));
        painter.setPen(QPen(kFrame, 0.8));
        painter.setBrush(kFieldFill);
        painter.drawRect(box);
        const QFont& font = Font(row.face);
        const QRectF inside = box.adjusted(5, 0, -5, 0);
        // A value longer than its field ends in an ellipsis, as a narrow field would cut it.
        const QString shown = QFontMetricsF(font, &device_).elidedText(value, Qt::ElideRight, inside.width());
        painter.setFont(font);
        painter.setPen(kInk);
        painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter, shown);
    }

    void PaintMemo(QPainter& painter, const ControlRow& row, QPointF at) const {
        const QRectF box(at, QSizeF(row.width, MemoHeight(row)));
        if (row.memo.border) {
            painter.setPen(QPen(kFrame, 0.8));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
        painter.setFont(Font(row.face));
        painter.setPen(kInk);
        const std::vector<double>& heights = LineHeights(row);
        const QStringList lines = MemoLines(row);
        double y = box.top() + 4;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QRectF lineBox(box.left() + 6, y, row.width - 12, 1e6);
            y += heights[static_cast<std::size_t>(i)];
            if (!lines[i].isEmpty())
                painter.drawText(lineBox, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, lines[i]);
        }
    }

    void PaintGroup(QPainter& painter, const ControlRow& row, QPointF at) const {
        const QFont& font = Font(row.face);
        const QFontMetricsF metrics(font, &device_);
        const double half = metrics.height() / 2;
        painter.setPen(QPen(kFrame, 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(at + QPointF(0, half), QSizeF(row.width, row.height - half)), 3, 3);
        const QString text = look::FromUtf8(row.text);
        const QRectF caption(at + QPointF(8, 0), QSizeF(metrics.horizontalAdvance(text) + 6, metrics.height()));
        painter.fillRect(caption, Qt::white);
        painter.setFont(font);
        painter.setPen(kInk);
        painter.drawText(caption, Qt::AlignCenter, text);
    }

    void PaintPicture(QPainter& painter, const ControlRow& row, QPointF at) const {
        QSvgRenderer& renderer = Picture(look::PicturePath(row.picture));
        if (!renderer.isValid())
            return;
        const QSizeF size = row.stretch ? QSizeF(row.width, row.height) : QSizeF(renderer.defaultSize());
        renderer.render(&painter, QRectF(at, size));
    }

    // The faces sized for the device, made once per artist and shared by its
    // controls (a font made afresh is looked up afresh).
    [[nodiscard]] const QFont& Font(layout::FontFace face) const {
        std::optional<QFont>& font = fonts_[static_cast<std::size_t>(face)];
        if (!font)
            font = FaceFont(face, device_);
        return *font;
    }

    const Reading& reading_;
    const QPaintDevice& device_;
    MemoLineHeights& lineHeights_;
    const FieldValues fields_;
    mutable std::array<std::optional<QFont>, static_cast<std::size_t>(layout::FontFace::Arial14) + 1> fonts_;
    std::map<std::string, const ControlRow*, std::less<>> groups_;
};

QString CaptionOf(const std::string& page) {
    for (const layout::PageRow& tab : layout::Pages())
        if (tab.name == page)
            return look::FromUtf8(tab.caption);
    return {};
}

} // namespace

ReadingPainter::ReadingPainter(const Reading& reading, const QPaintDevice& device, std::string_view notes)
    : reading_(reading), device_(device) {
    const PageArtist artist(reading_, device_, memoLineHeights_);
    std::vector<Section> pages;
    for (const layout::PageRow& tab : layout::Pages())
        if (PagePrinted(tab.name, reading_.input))
            pages.push_back({tab.name, CaptionOf(tab.name), 0, artist.PageHeight(tab.name)});
    sheets_ = PlanSheets(pages);
    PlanNotes(notes);
}

namespace {

constexpr double kNoteLineGap = 2.0;

QFont NotesFont(const QPaintDevice& device) {
    return FaceFont(layout::FontFace::Arial10, device);
}

} // namespace

void ReadingPainter::PlanNotes(std::string_view utf8) {
    const QString notes = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).trimmed();
    if (notes.isEmpty())
        return;
    // The notes wrapped at the box's width, paragraph by paragraph, then cut
    // into sheets below a heading on the first of them.
    const QFont font = NotesFont(device_);
    const QFontMetricsF metrics(font, &device_);
    std::vector<QString> lines;
    for (const QString& paragraph : notes.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font, &device_);
        layout.beginLayout();
        bool any = false;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(kBoxWidth);
            lines.push_back(paragraph.mid(line.textStart(), line.textLength()).trimmed());
            any = true;
        }
        layout.endLayout();
        if (!any)
            lines.emplace_back();
    }
    const double step = metrics.height() + kNoteLineGap;
    Sheet sheet;
    sheet.notesHeading = true;
    double y = kTop + kHeadingHeight + kPagePadding;
    for (QString& line : lines) {
        if (y + step > kBottom && !sheet.noteLines.empty()) {
            sheets_.push_back(std::move(sheet));
            sheet = Sheet{};
            y = kTop;
        }
        sheet.noteLines.push_back(std::move(line));
        y += step;
    }
    sheets_.push_back(std::move(sheet));
}

void ReadingPainter::PaintSheet(QPainter& painter, int index) const {
    if (index < 0 || index >= SheetCount())
        return;
    const Sheet& sheet = sheets_[static_cast<std::size_t>(index)];
    const session::PersonInput& in = reading_.input;
    const QString name = FullName(in.first, in.middle, in.last);
    const QString born = QStringLiteral("Дата рождения: ") + DateText(in.date);

    painter.save();
    painter.scale(device_.logicalDpiX() / 96.0, device_.logicalDpiY() / 96.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    if (sheet.titleBlock) {
        const QFont small = FaceFont(layout::FontFace::Window, device_);
        QFont big = FaceFont(layout::FontFace::Arial14, device_, 1.4);
        // A long name gets a smaller face, down to the size of the date below it.
        const double nameWidth = QFontMetricsF(big, &device_).horizontalAdvance(name.isEmpty() ? born : name);
        if (nameWidth > kBoxWidth)
            big.setPointSizeF(big.pointSizeF() * std::max(kBoxWidth / nameWidth, 0.55));
        const QFont date = FaceFont(layout::FontFace::Arial10, device_);
        painter.setPen(kFaint);
        painter.setFont(small);
        painter.drawText(QRectF(kBoxLeft, kTop, kBoxWidth, 18), Qt::AlignLeft | Qt::AlignTop, look::WindowCaption());
        painter.setPen(kInk);
        painter.setFont(big);
        const QString headline =
            QFontMetricsF(big, &device_).elidedText(name.isEmpty() ? born : name, Qt::ElideRight, kBoxWidth);
        painter.drawText(QRectF(kBoxLeft, kTop + 18, kBoxWidth, 36), Qt::AlignLeft | Qt::AlignVCenter, headline);
        painter.setFont(date);
        if (!name.isEmpty())
            painter.drawText(QRectF(kBoxLeft, kTop + 58, kBoxWidth, 20), Qt::AlignLeft | Qt::AlignTop, born);
        painter.setPen(QPen(kAccent, 1.5));
        painter.drawLine(QPointF(kBoxLeft, kTop + kTitleHeight - 14),
                         QPointF(kBoxLeft + kBoxWidth, kTop + kTitleHeight - 14));
    }

    const PageArtist artist(reading_, device_, memoLineHeights_);
    const QFont heading = FaceFont(layout::FontFace::Arial12, device_);
    for (const Section& section : sheet.sections) {
        painter.setFont(heading);
        painter.setPen(kAccent);
        painter.drawText(QRectF(kBoxLeft, section.top, kBoxWidth, kHeadingHeight - 6), Qt::AlignLeft | Qt::AlignBottom,
                         section.caption);
        const QPointF origin(kLeft, section.top + kHeadingHeight + kPagePadding);
        painter.setPen(QPen(QColor(200, 200, 200), 0.8));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(
            QRectF(kBoxLeft, section.top + kHeadingHeight, kBoxWidth, section.height + kPagePadding), 4, 4);
        painter.save();
        painter.translate(origin);
        artist.Paint(painter, section.page);
        painter.restore();
    }

    if (!sheet.noteLines.empty()) {
        double y = kTop;
        if (sheet.notesHeading) {
            painter.setFont(heading);
            painter.setPen(kAccent);
            painter.drawText(QRectF(kBoxLeft, kTop, kBoxWidth, kHeadingHeight - 6), Qt::AlignLeft | Qt::AlignBottom,
                             QStringLiteral("Заметки"));
            y += kHeadingHeight + kPagePadding;
        }
        const QFont font = NotesFont(device_);
        const double step = QFontMetricsF(font, &device_).height() + kNoteLineGap;
        painter.setFont(font);
        painter.setPen(kInk);
        for (const QString& line : sheet.noteLines) {
            painter.drawText(QRectF(kBoxLeft, y, kBoxWidth, step), Qt::AlignLeft | Qt::AlignTop, line);
            y += step;
        }
    }

    // Footer: whose reading, and which sheet of how many.
    const double footer = kBottom + 34;
    painter.setPen(QPen(QColor(200, 200, 200), 0.8));
    painter.drawLine(QPointF(kBoxLeft, footer - 8), QPointF(kBoxLeft + kBoxWidth, footer - 8));
    painter.setPen(kFaint);
    const QFont small = FaceFont(layout::FontFace::Window, device_, 0.9);
    painter.setFont(small);
    const QString who =
        QFontMetricsF(small, &device_)
            .elidedText(name.isEmpty() ? DateText(in.date) : name + QStringLiteral(", ") + DateText(in.date),
                        Qt::ElideMiddle, kBoxWidth - 80);
    painter.drawText(QRectF(kBoxLeft, footer, kBoxWidth, 16), Qt::AlignLeft | Qt::AlignTop, who);
    painter.drawText(QRectF(kBoxLeft, footer, kBoxWidth, 16), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("%1 / %2").arg(index + 1).arg(SheetCount()));
    painter.restore();
}

} // namespace lirem::reading
