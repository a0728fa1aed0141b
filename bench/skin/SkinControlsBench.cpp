// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a skinned push button and tab bar against the toolkit's own
// painting of the same control, in one run. The skinned control paints itself
// first and the skin goes over it, so the skinned figure includes the other.

#include "assets/skinblob/SkinBlob.h"
#include "skin/controls/WinSubClass.h"
#include "skin/data/WinSkinData.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

namespace {

std::unique_ptr<lirem::skin::TSkinData> ProgramSkin() {
    const QByteArray stream = lirem::skin::NumeroSkinStream();
    auto data = std::make_unique<lirem::skin::TSkinData>();
    data->ReadSkinStream(
        std::span(reinterpret_cast<const std::uint8_t*>(stream.constData()), static_cast<std::size_t>(stream.size())));
    return data;
}

// One window with the control, skinned or not, painted into an image.
template <typename Control> struct Scene {
    explicit Scene(bool skinned) {
        window.resize(700, 400);
        if (skinned) {
            data = ProgramSkin();
            owner = std::make_unique<QObject>();
        }
    }
    void Skin(lirem::skin::SkinControlClass kind, QWidget* control) {
        if (data != nullptr)
            lirem::skin::CreateSkinControl(kind, control, data.get(), owner.get());
    }
    void Paint(benchmark::State& state, QWidget& target) {
        QImage image(target.size(), QImage::Format_ARGB32_Premultiplied);
        for (auto _ : state) {
            target.render(&image);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    std::unique_ptr<lirem::skin::TSkinData> data;
    QWidget window;
    std::unique_ptr<QObject> owner;
};

void Button(benchmark::State& state, bool skinned) {
    Scene<QPushButton> scene(skinned);
    auto* button = new QPushButton(QStringLiteral("Рассчитать"), &scene.window);
    button->setGeometry(10, 10, 113, 25);
    scene.Skin(lirem::skin::SkinControlClass::Button, button);
    scene.window.show();
    scene.Paint(state, *button);
}

QTabWidget* Pages(QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setGeometry(0, 0, 681, 360);
    for (const char* caption :
         {"Ядро", "Синтез", "Спектр", "Партнерство", "Периоды", "Годы и Дни", "Разное", "О Программе"})
        tabs->addTab(new QWidget, QString::fromUtf8(caption));
    return tabs;
}

void TabBar(benchmark::State& state, bool skinned) {
    Scene<QTabWidget> scene(skinned);
    QTabWidget* tabs = Pages(&scene.window);
    scene.Skin(lirem::skin::SkinControlClass::Tab, tabs);
    scene.window.show();
    scene.Paint(state, *tabs->tabBar());
}

void TabControl(benchmark::State& state, bool skinned) {
    Scene<QTabWidget> scene(skinned);
    QTabWidget* tabs = Pages(&scene.window);
    scene.Skin(lirem::skin::SkinControlClass::Tab, tabs);
    scene.window.show();
    scene.Paint(state, *tabs);
}

void BM_ButtonToolkit(benchmark::State& state) {
    Button(state, false);
}
void BM_ButtonSkinned(benchmark::State& state) {
    Button(state, true);
}
void BM_TabBarToolkit(benchmark::State& state) {
    TabBar(state, false);
}
void BM_TabBarSkinned(benchmark::State& state) {
    TabBar(state, true);
}
void BM_TabControlToolkit(benchmark::State& state) {
    TabControl(state, false);
}
void BM_TabControlSkinned(benchmark::State& state) {
    TabControl(state, true);
}

BENCHMARK(BM_ButtonToolkit);
BENCHMARK(BM_ButtonSkinned);
BENCHMARK(BM_TabBarToolkit);
BENCHMARK(BM_TabBarSkinned);
BENCHMARK(BM_TabControlToolkit);
BENCHMARK(BM_TabControlSkinned);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
