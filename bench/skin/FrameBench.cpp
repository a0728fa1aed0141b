// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the skinned frame of the program's window and rebuilding its shape.

#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The program's window: 681 x 381 client area, caption, icon, program skin.
struct ProgramWindow {
    lirem::skin::TSkinData data;
    QWidget form;
    lirem::skin::TWinSkinForm* frame = nullptr;

    ProgramWindow() {
        data.ReadSkinStreamFrom(QStringLiteral(":/skin/numero.skin"));
        form.setWindowTitle(QStringLiteral("Нумерологический Калькулятор Lirem 3.0"));
        QPixmap icon(32, 32);
        icon.fill(Qt::darkBlue);
        form.setWindowIcon(QIcon(icon));
        form.setFixedSize(681, 381);
        frame = new lirem::skin::TWinSkinForm(&form);
        frame->SetSkinData(&data);
        frame->Loaded();
        frame->LayoutFrame();
    }
    ~ProgramWindow() { delete frame; }
};

void SetActive(QWidget& form, bool active) {
    QEvent event(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
    QApplication::sendEvent(&form, &event);
}

// Borders, title band (composed off screen, caption text, caption buttons) at the same size and activation.
void BM_PaintFrame(benchmark::State& state) {
    ProgramWindow w;
    QImage target(w.form.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        w.frame->PaintFrame(painter);
    }
}
BENCHMARK(BM_PaintFrame)->Unit(benchmark::kMicrosecond);

// The same after every activation change: the borders are composed anew each time.
void BM_PaintFrameAfterActivationChange(benchmark::State& state) {
    ProgramWindow w;
    QImage target(w.form.size(), QImage::Format_ARGB32_Premultiplied);
    bool active = false;
    for (auto _ : state) {
        active = !active;
        SetActive(w.form, active);
        QPainter painter(&target);
        w.frame->PaintFrame(painter);
    }
}
BENCHMARK(BM_PaintFrameAfterActivationChange)->Unit(benchmark::kMicrosecond);

// The window shape after a size change (borders composed for the new size, then scanned).
void BM_BuildWindowRegion(benchmark::State& state) {
    ProgramWindow w;
    w.form.setMinimumSize(0, 0);
    w.form.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize sizes[2] = {w.form.size(), w.form.size() + QSize(1, 1)};
    int i = 0;
    for (auto _ : state) {
        w.form.resize(sizes[i ^= 1]);
        benchmark::DoNotOptimize(w.frame->ComputeWindowRegion());
    }
}
BENCHMARK(BM_BuildWindowRegion)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
