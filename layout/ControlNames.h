// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the window's controls, one list for the engine's display
// steps, the layout table, the report tool and the tests: a misspelt name is
// a compile error instead of a write that lands nowhere.
//
// control::stPath is the text "stPath" (the identifier is the name, byte for
// byte); a numbered control such as "lDay12" is control::lDayN(12).

#include <concepts>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

// Every single control, page by page in the layout's order.
// clang-format off
#define LIREM_CONTROL_NAMES(X)                                                                                  \
    /* the window */                                                                                            \
    X(MainForm) X(pcPages) X(sbMessage)                                                                         \
    /* page 1 */                                                                                                \
    X(tsNucleus) X(lPath) X(lBDay) X(lExpress) X(lSoul) X(lPerson) X(lPathKarma) X(lExpressKarma)               \
    X(lSoulKarma) X(lBDayKarma) X(lPersonKarma) X(gbData) X(stPath) X(stBDay) X(stExpress) X(stSoul)            \
    X(stPerson) X(lDay) X(lMonth) X(lYear) X(lName) X(lSecond) X(lLast) X(seDay) X(seMonth) X(seYear)           \
    X(edFirst) X(edMiddle) X(edLast) X(bnDoit)                                                                  \
    /* page 2 */                                                                                                \
    X(tsSyntez) X(imStrannik) X(imPath) X(Image1) X(lShowSoul) X(lShowPerson) X(lShowExpress) X(lShowPath)      \
    X(lShowBDay) X(lRealize) X(Label4) X(meVozSpo) X(meVozMot) X(meSpoMot) X(stRealize) X(gbBridges)            \
    X(stReason) X(lPE) X(lPEBridge) X(lSP) X(lSPBridge) X(lES) X(lESBridge)                                     \
    /* page 3 */                                                                                                \
    X(tsSpectrum) X(imEtalon) X(imSpectrum) X(lSpectre) X(lEtalonTitle) X(lNameLength) X(lAlphabet) X(lKarLes)  \
    X(lHidPas) X(lMuchMore) X(lMuchLess)                                                                        \
    /* page 4 */                                                                                                \
    X(tsSynastry) X(gbPartner) X(meResult) X(lPartnerDay) X(lPartnerMonth) X(lPartnerYear) X(lPartnerFirst)     \
    X(lPartnerMiddle) X(lPartnerLast) X(lNoFirst) X(lNoFirst2) X(sePartnerDay) X(sePartnerMonth)                \
    X(sePartnerYear) X(edPartnerFirst) X(edPartnerMiddle) X(edPartnerLast) X(bnPartner)                         \
    /* page 5 */                                                                                                \
    X(tsPinnacles) X(imPinnacles) X(lPinTitle) X(lPerTitle) X(imPeriods) X(lIspTitle)                           \
    /* page 6 */                                                                                                \
    X(tsYears) X(imGrid) X(lCurYear) X(lCurMonth) X(liYear) X(liMonth) X(liDayTitle) X(Label1) X(Label2)        \
    X(cbYear) X(cbMonth)                                                                                        \
    /* page 7 */                                                                                                \
    X(tsMisc) X(Image2) X(lSumma) X(lKarma) X(edMisc) X(bnMisc) X(meMisc)                                       \
    /* page 8 */                                                                                                \
    X(tsAbout) X(meAuthor)

// Every numbered control: stem and count.
#define LIREM_CONTROL_SERIES(X)                                                                                 \
    X(lSp, 9) X(lEt, 9) X(lPin, 4) X(lPinStart, 4) X(lPerStart, 3) X(lPer, 3) X(lIsp, 4) X(liDay, 37)            \
    X(lDay, 37) X(lMisc, 9)
// clang-format on

namespace lirem::control {

// stem1..stemN, counted from 1 as the controls are.
class NameSeries {
public:
    template <std::size_t N> consteval explicit NameSeries(const char* const (&names)[N]) : names_(names) {}

    // "stem" followed by n, for 1 <= n <= size(); n of any integer type, as
    // callers count with int or std::size_t.
    template <std::integral Number> [[nodiscard]] constexpr const char* operator()(Number n) const {
        if (n < 1 || std::cmp_greater(n, names_.size())) {
            throw std::out_of_range("no such numbered control");
        }
        return names_[static_cast<std::size_t>(n) - 1];
    }
    [[nodiscard]] constexpr std::size_t size() const { return names_.size(); }
    [[nodiscard]] constexpr bool Contains(std::string_view name) const {
        for (const char* own : names_) {
            if (name == own) {
                return true;
            }
        }
        return false;
    }

private:
    std::span<const char* const> names_;
};

#define LIREM_CONTROL_NAME(name) inline constexpr char name[] = #name;
LIREM_CONTROL_NAMES(LIREM_CONTROL_NAME)
#undef LIREM_CONTROL_NAME

// "stem1", "stem2", ... as literals.
#define LIREM_NUMBERED_3(stem) stem "1", stem "2", stem "3"
#define LIREM_NUMBERED_4(stem) LIREM_NUMBERED_3(stem), stem "4"
#define LIREM_NUMBERED_9(stem) LIREM_NUMBERED_4(stem), stem "5", stem "6", stem "7", stem "8", stem "9"
#define LIREM_NUMBERED_37(stem)                                                                                        \
    LIREM_NUMBERED_9(stem), stem "10", stem "11", stem "12", stem "13", stem "14", stem "15", stem "16", stem "17",    \
        stem "18", stem "19", stem "20", stem "21", stem "22", stem "23", stem "24", stem "25", stem "26", stem "27",  \
        stem "28", stem "29", stem "30", stem "31", stem "32", stem "33", stem "34", stem "35", stem "36", stem "37"
#define LIREM_CONTROL_SERIES_NAME(stem, count)                                                                         \
    inline constexpr const char* const stem##Names[] = {LIREM_NUMBERED_##count(#stem)};                                \
    inline constexpr NameSeries stem##N{stem##Names};
LIREM_CONTROL_SERIES(LIREM_CONTROL_SERIES_NAME)
#undef LIREM_CONTROL_SERIES_NAME
#undef LIREM_NUMBERED_37
#undef LIREM_NUMBERED_9
#undef LIREM_NUMBERED_4
#undef LIREM_NUMBERED_3

// Every name above, the numbered ones written out: for checks against the layout.
[[nodiscard]] inline std::vector<std::string_view> EveryName() {
    std::vector<std::string_view> names{
#define LIREM_CONTROL_ENTRY(name) name,
        LIREM_CONTROL_NAMES(LIREM_CONTROL_ENTRY)
#undef LIREM_CONTROL_ENTRY
    };
#define LIREM_CONTROL_SERIES_ENTRY(stem, count)                                                                        \
    for (std::size_t n = 1; n <= (count); ++n) {                                                                       \
        names.emplace_back(stem##N(n));                                                                                \
    }
    LIREM_CONTROL_SERIES(LIREM_CONTROL_SERIES_ENTRY)
#undef LIREM_CONTROL_SERIES_ENTRY
    return names;
}

} // namespace lirem::control
