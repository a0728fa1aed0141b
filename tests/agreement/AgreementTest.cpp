// SPDX-License-Identifier: GPL-3.0-or-later
// One pipeline, four faces: for a thousand generated people the window, the
// printed reading, the text report and the JSON report show the same caption
// and number for every control. The window is driven through its fields and
// handlers; the other three come from the session's one run.
#include "engine/Cp1251.h"
#include "layout/ControlNames.h"
#include "layout/LayoutTable.h"
#include "look/TextBoundary.h"
#include "reading/Reading.h"
#include "reading/ReadingPainter.h"
#include "report/App.h"
#include "report/TextReport.h"
#include "session/Pipeline.h"
#include "session/RecordingSink.h"
#include "ui/Main.h"
#include "ui/SpinEdit.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPlainTextEdit>

#include <random>
#include <string>
#include <vector>

namespace lirem::ui::test {
namespace {

class NoBoxes final : public ErrorReporter {
public:
    void Report(const QString& message) override { ADD_FAILURE() << message.toStdString(); }
};

// A paint device that keeps the texts drawn on it and nothing else.
class TextRecorder final : public QPaintEngine {
public:
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { drawn += item.text(); }
    [[nodiscard]] Type type() const override { return QPaintEngine::User; }
    QString drawn;
};

class RecordingDevice final : public QPaintDevice {
public:
    [[nodiscard]] QPaintEngine* paintEngine() const override { return &engine_; }
    [[nodiscard]] const QString& Drawn() const { return engine_.drawn; }

protected:
    [[nodiscard]] int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return 794;
        case PdmHeight:
            return 1123;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
        case PdmDevicePixelRatioScaled:
            return metric == PdmDevicePixelRatio ? 1 : static_cast<int>(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    mutable TextRecorder engine_;
};

// Names of either alphabet, sometimes blank, sometimes several words.
std::string Name(std::mt19937& random) {
    static const std::vector<std::string> parts = {"Иван",  "Анна",  "Пётр", "Ёлка", "Сидоров", "Мария",      "John",
                                                   "Smith", "Ольга", "Zoë",  "",     " ",       "Лев Толстой"};
    return parts[random() % parts.size()];
}

session::PersonInput Person(std::mt19937& random) {
    const auto between = [&random](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    session::PersonInput in;
    in.date = {between(1, 31), between(1, 12), between(0, 2020)};
    in.first = engine::Utf8ToCp1251(Name(random));
    in.middle = engine::Utf8ToCp1251(Name(random));
    in.last = engine::Utf8ToCp1251(Name(random));
    in.calendar = {between(1950, 2050), between(1, 12)};
    if (random() % 3 == 0)
        in.partner = session::PartnerInput{{between(1, 31), between(1, 12), between(0, 2020)},
                                           engine::Utf8ToCp1251(Name(random)),
                                           engine::Utf8ToCp1251(Name(random)),
                                           engine::Utf8ToCp1251(Name(random))};
    if (random() % 3 == 0)
        in.text = engine::Utf8ToCp1251(random() % 2 ? "+7 (495) 123-45-67" : "Ромашка " + std::to_string(random()));
    return in;
}

// Types the person into the window's fields and runs its handlers, as the
// buttons and lists would.
void EnterInWindow(TMainForm& window, const session::PersonInput& in) {
    window.ControlAs<SpinEdit>(control::seDay)->SetValue(in.date.day);
    window.ControlAs<SpinEdit>(control::seMonth)->SetValue(in.date.month);
    window.ControlAs<SpinEdit>(control::seYear)->SetValue(in.date.year);
    window.ControlAs<QLineEdit>(control::edFirst)->setText(look::FromEngineText(in.first));
    window.ControlAs<QLineEdit>(control::edMiddle)->setText(look::FromEngineText(in.middle));
    window.ControlAs<QLineEdit>(control::edLast)->setText(look::FromEngineText(in.last));
    window.ControlAs<QComboBox>(control::cbYear)->setCurrentIndex(in.calendar.year - 1950);
    window.ControlAs<QComboBox>(control::cbMonth)->setCurrentIndex(in.calendar.month - 1);
    window.bnDoitClick();
    if (in.partner) {
        window.ControlAs<SpinEdit>(control::sePartnerDay)->SetValue(in.partner->date.day);
        window.ControlAs<SpinEdit>(control::sePartnerMonth)->SetValue(in.partner->date.month);
        window.ControlAs<SpinEdit>(control::sePartnerYear)->SetValue(in.partner->date.year);
        window.ControlAs<QLineEdit>(control::edPartnerFirst)->setText(look::FromEngineText(in.partner->first));
        window.ControlAs<QLineEdit>(control::edPartnerMiddle)->setText(look::FromEngineText(in.partner->middle));
        window.ControlAs<QLineEdit>(control::edPartnerLast)->setText(look::FromEngineText(in.partner->last));
        window.bnPartnerClick();
    }
    if (in.text) {
        window.ControlAs<QLineEdit>(control::edMisc)->setText(look::FromEngineText(*in.text));
        window.bnMiscClick();
    }
}

bool IsResult(const layout::ControlRow& row) {
    return row.kind == layout::ControlKind::Label || row.kind == layout::ControlKind::ValueBox;
}

// The pages the reading prints for this person.
bool Printed(const layout::ControlRow& row, const session::PersonInput& in) {
    const layout::ControlRow* parent = layout::FindControl(row.parent);
    const std::string& page = parent != nullptr ? parent->parent : row.parent;
    if (page == control::tsSynastry)
        return in.partner.has_value();
    if (page == control::tsMisc)
        return in.text.has_value();
    return page != control::tsAbout;
}

std::string Shown(const session::RecordingSink& sink, std::string_view control) {
    return engine::Cp1251ToUtf8(sink.Control(control).text);
}

TEST(Agreement, WindowReadingTextAndJsonShowTheSameForAThousandPeople) {
    TMainForm window(QDate(2025, 9, 15), std::make_unique<NoBoxes>());
    std::mt19937 random(20251129);
    for (int n = 0; n < 1000; ++n) {
        const session::PersonInput in = Person(random);
        SCOPED_TRACE("person " + std::to_string(n));
        session::RecordingSink sink;
        const session::PersonResult result = session::RunPerson(in, sink);

        // The window: every control's text, visibility, colour and lines.
        EnterInWindow(window, in);
        for (const layout::ControlRow& row : layout::Controls()) {
            // The partner and free-text pages keep an earlier person's results
            // until their own button is pressed.
            if (!Printed(row, in))
                continue;
            QWidget* widget = window.Control(row.name);
            const session::ControlState& state = sink.Control(row.name);
            if (IsResult(row)) {
                // A hidden control keeps what an earlier person left in it.
                ASSERT_EQ(!widget->isHidden(), state.visible) << row.name;
                if (!state.visible)
                    continue;
                ASSERT_EQ(qobject_cast<QLabel*>(widget)->text().toStdString(), Shown(sink, row.name)) << row.name;
                if (state.colourSet) {
                    ASSERT_EQ(widget->palette().color(widget->foregroundRole()),
                              QColor(state.colour.r, state.colour.g, state.colour.b))
                        << row.name;
                }
            } else if (row.kind == layout::ControlKind::Memo && row.memo.readOnly == false &&
                       row.name == std::string(control::meResult) && in.partner) {
                QStringList lines;
                for (const std::string& line : state.lines)
                    lines.append(look::FromEngineText(line));
                ASSERT_EQ(qobject_cast<QPlainTextEdit*>(widget)->toPlainText(), lines.join(QLatin1Char('\n')));
            }
        }

        // The reading: every visible result of a printed page is drawn.
        const reading::Reading reading{in, sink};
        RecordingDevice device;
        {
            QPainter painter(&device);
            const reading::ReadingPainter sheets(reading, device);
            for (int i = 0; i < sheets.SheetCount(); ++i)
                sheets.PaintSheet(painter, i);
        }
        for (const layout::ControlRow& row : layout::Controls()) {
            if (IsResult(row) && Printed(row, in) && sink.Control(row.name).visible) {
                ASSERT_TRUE(device.Drawn().contains(QString::fromStdString(Shown(sink, row.name)))) << row.name;
            }
        }

        // The text report: the same texts, line by line where a line holds one.
        const std::string text = report::BuildTextReport(in);
        const auto after = [&text](const std::string& caption) {
            const std::size_t at = text.find("\n" + caption);
            if (at == std::string::npos)
                return std::string("(no line)");
            const std::size_t from = text.find_first_not_of(' ', at + 1 + caption.size());
            return text.substr(from, text.find_first_of(" \n", from) - from);
        };
        for (const auto& [caption, box] :
             {std::pair{control::lPath, control::stPath}, std::pair{control::lExpress, control::stExpress},
              std::pair{control::lSoul, control::stSoul}, std::pair{control::lBDay, control::stBDay},
              std::pair{control::lPerson, control::stPerson}, std::pair{control::lRealize, control::stRealize},
              std::pair{control::Label4, control::stReason}}) {
            ASSERT_EQ(after(layout::FindControl(caption)->text), Shown(sink, box)) << box;
        }
        for (const char* control : {control::lKarLes, control::lHidPas, control::lMuchMore, control::lMuchLess,
                                    control::lNameLength, control::lAlphabet, control::liYear, control::liMonth})
            ASSERT_NE(text.find("\n" + Shown(sink, control) + "\n"), std::string::npos) << control;
        for (const std::string& line : result.partner ? result.partner->lines : std::vector<std::string>{}) {
            if (!line.empty()) {
                ASSERT_NE(text.find("\n" + engine::Cp1251ToUtf8(line) + "\n"), std::string::npos) << line;
            }
        }

        // The JSON report: the numbers behind the texts.
        const nlohmann::json json = nlohmann::json::parse(report::BuildJsonReport(in));
        const auto number = [&](const char* control) { return std::stoll(Shown(sink, control)); };
        ASSERT_EQ(json["core"]["life_path"]["value"], number(control::stPath));
        ASSERT_EQ(json["core"]["expression"]["value"], number(control::stExpress));
        ASSERT_EQ(json["core"]["soul_urge"]["value"], number(control::stSoul));
        ASSERT_EQ(json["core"]["personality"]["value"], number(control::stPerson));
        ASSERT_EQ(json["core"]["birthday"]["value"], number(control::stBDay));
        ASSERT_EQ(json["synthesis"]["realization"], number(control::stRealize));
        ASSERT_EQ(json["synthesis"]["reason"], number(control::stReason));
        for (std::size_t i = 0; i < 4; ++i) {
            ASSERT_EQ(json["cycles"]["pinnacles"][i], number(control::lPinN(i + 1)));
            ASSERT_EQ(json["cycles"]["challenges"][i], number(control::lIspN(i + 1)));
        }
        for (std::size_t i = 0; i < 3; ++i)
            ASSERT_EQ(json["cycles"]["periods"][i], number(control::lPerN(i + 1)));
        for (std::size_t d = 1; d <= 9; ++d) {
            const std::string count = Shown(sink, control::lSpN(d));
            ASSERT_EQ(json["spectrum"]["counts"][d - 1], count == "-" ? 0 : std::stoll(count));
            ASSERT_EQ(json["spectrum"]["etalon"][d - 1], number(control::lEtN(d)));
        }
        const nlohmann::json& days = json["calendar"]["personal_days"];
        for (std::size_t k = 1; k <= 37; ++k) {
            if (sink.Control(control::lDayN(k)).visible) {
                const long long day = number(control::lDayN(k));
                ASSERT_EQ(days[static_cast<std::size_t>(day - 1)], number(control::liDayN(k)));
            }
        }
        if (in.partner && !result.partner->firstPersonMissing) {
            std::vector<std::string> lines;
            for (const std::string& line : sink.Control(control::meResult).lines)
                lines.push_back(engine::Cp1251ToUtf8(line));
            ASSERT_EQ(json["partner"]["lines"].get<std::vector<std::string>>(), lines);
        }
        if (in.text) {
            for (std::size_t d = 1; d <= 9; ++d) {
                ASSERT_EQ(json["free_text"]["counts"][d - 1], number(control::lMiscN(d)));
            }
        }
    }
}

} // namespace
} // namespace lirem::ui::test
