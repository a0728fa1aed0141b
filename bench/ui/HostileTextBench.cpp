// SPDX-License-Identifier: GPL-3.0-or-later
// The handlers on a hostile free text: 80 KB of one letter followed by 20,000
// U+0301 and 20,000 U+0316 in the free-text field. «Рассчитать» on page 7
// converts it; the other handlers do not read it at all.
//     ./build/bench/ui/bench_ui_text
#include "ui/Main.h"

#include "layout/ControlNames.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include <memory>

namespace control = lirem::control;
using lirem::ui::TMainForm;

namespace {

class NoReports final : public lirem::ui::ErrorReporter {
public:
    void Report(const QString&) override {}
};

QString HostileText() {
    QString text(80 * 1024, QChar(u'а'));
    text.append(QString(20000, QChar(0x0301)));
    text.append(QString(20000, QChar(0x0316)));
    return text;
}

std::unique_ptr<TMainForm> WindowWithHostileText() {
    auto window = std::make_unique<TMainForm>(QDate(2025, 9, 15), std::make_unique<NoReports>());
    window->ControlAs<QLineEdit>(control::edMisc)->setText(HostileText());
    return window;
}

void BM_FreeTextOnHostileText(benchmark::State& state) {
    const auto window = WindowWithHostileText();
    for (auto _ : state) {
        window->bnMiscClick();
    }
}
BENCHMARK(BM_FreeTextOnHostileText)->Unit(benchmark::kMillisecond);

void BM_FullRecalculationBesideHostileText(benchmark::State& state) {
    const auto window = WindowWithHostileText();
    for (auto _ : state) {
        window->bnDoitClick();
    }
}
BENCHMARK(BM_FullRecalculationBesideHostileText)->Unit(benchmark::kMillisecond);

void BM_MonthChangeBesideHostileText(benchmark::State& state) {
    const auto window = WindowWithHostileText();
    for (auto _ : state) {
        window->cbMonthChange();
    }
}
BENCHMARK(BM_MonthChangeBesideHostileText)->Unit(benchmark::kMillisecond);

// A pasted first name of 100,000 characters: the whole calculation reads it.
void BM_FullRecalculationOfALongName(benchmark::State& state) {
    TMainForm window(QDate(2025, 9, 15), std::make_unique<NoReports>());
    window.ControlAs<QLineEdit>(control::edFirst)->setText(QStringLiteral("Иван Petrov 123 ").repeated(100000 / 16));
    for (auto _ : state) {
        window.bnDoitClick();
    }
}
BENCHMARK(BM_FullRecalculationOfALongName)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
