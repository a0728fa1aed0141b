// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Text.h"
#include "layout/ControlNames.h"
#include "session/Display.h"

namespace lirem::session {

void ShowSpectrum(const engine::SpectrumReport& report, engine::NumerologyProfile& profile, DisplaySink& out) {
    engine::DigitLine lessons(engine::KarmicLessonsTitle());
    out.SetText(control::lKarLes, lessons.View());
    for (std::size_t i = 0; i < 9; ++i) {
        const int digit = static_cast<int>(i) + 1;
        if (report.Spectrum[i] == 0) {
            out.SetText(control::lSpN(i + 1), "-");
            out.SetFontColour(control::lSpN(i + 1), layout::colour::Red);
            lessons.Add(digit);
            out.SetText(control::lKarLes, lessons.View());
            profile.DigitMarks[i] = engine::MarkKarmicLesson;
        } else {
            SetNumber(out, control::lSpN(i + 1), std::int64_t{report.Spectrum[i]});
            out.SetFontColour(control::lSpN(i + 1), layout::colour::Black);
        }
    }
    if (lessons.Empty()) {
        lessons.CloseEmpty();
        out.SetText(control::lKarLes, lessons.View());
    }

    out.SetText(control::lNameLength, engine::NameLengthLine(report));
    out.SetText(control::lAlphabet, engine::AlphabetLine(report.Alphabet));
    for (std::size_t i = 0; i < 9; ++i)
        SetNumber(out, control::lEtN(i + 1), std::int64_t{report.Etalon[i]});

    engine::DigitLine more(engine::MuchMoreTitle());
    engine::DigitLine less(engine::MuchLessTitle());
    out.SetText(control::lMuchMore, more.View());
    out.SetText(control::lMuchLess, less.View());
    for (std::size_t i = 0; i < 9; ++i) {
        const int digit = static_cast<int>(i) + 1;
        if (report.MuchMore.Contains(digit)) {
            out.SetFontColour(control::lSpN(i + 1), layout::colour::Green);
            more.Add(digit);
            out.SetText(control::lMuchMore, more.View());
        }
        if (report.MuchLess.Contains(digit)) {
            if (report.Spectrum[i] != 0)
                out.SetFontColour(control::lSpN(i + 1), layout::colour::Navy);
            less.Add(digit);
            out.SetText(control::lMuchLess, less.View());
        }
    }
    if (more.Empty()) {
        more.CloseEmpty();
        out.SetText(control::lMuchMore, more.View());
    }
    if (less.Empty()) {
        less.CloseEmpty();
        out.SetText(control::lMuchLess, less.View());
    }

    engine::DigitLine passion(engine::HiddenPassionTitle());
    out.SetText(control::lHidPas, passion.View());
    if (report.HiddenPassion.Empty()) {
        passion.CloseEmpty();
        out.SetText(control::lHidPas, passion.View());
    }
    for (const int digit : report.HiddenPassion) {
        const auto i = static_cast<std::size_t>(digit - 1);
        out.SetFontColour(control::lSpN(i + 1), layout::colour::Purple);
        passion.Add(digit);
        out.SetText(control::lHidPas, passion.View());
        profile.DigitMarks[i] = engine::MarkHiddenPassion;
    }
}

} // namespace lirem::session
