// Start-up of the program to its first painted window, measured beside a bare
// window of the same size in the same run; the same inside one process (window
// construction to first paint); and one full recalculation including every
// control write. Runs on the offscreen platform unless another one is chosen.
//
// Process start-up: the harness starts itself again as a child with
// --child=main or --child=bare; the child builds its window, shows it, writes
// one byte when the window has painted for the first time and exits. The time
// is measured from starting the child to reading that byte.
#include "ui/Main.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QProcess>
#include <QPushButton>

#include "ui/SpinEdit.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

class PaintWatcher final : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Shows the window and spins the event loop until it has painted once.
void ShowUntilPainted(QWidget& window) {
    PaintWatcher watcher;
    window.installEventFilter(&watcher);
    window.show();
    QElapsedTimer guard;
    guard.start();
    while (!watcher.painted && guard.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    window.removeEventFilter(&watcher);
}

class NoReports final : public lirem::ui::ErrorReporter {
public:
    void Report(const QString&) override {}
};

void RunChild(benchmark::State& state, const char* mode) {
    for (auto _ : state) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(mode)});
        if (!child.waitForReadyRead(10000)) {
            state.SkipWithError("child did not paint");
            break;
        }
        state.PauseTiming();
        child.waitForFinished(10000);
        state.ResumeTiming();
    }
}

void BM_ProcessStartBareWindow(benchmark::State& state) {
    RunChild(state, "--child=bare");
}
BENCHMARK(BM_ProcessStartBareWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_ProcessStartMainForm(benchmark::State& state) {
    RunChild(state, "--child=main");
}
BENCHMARK(BM_ProcessStartMainForm)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// The child: one window, one paint, one byte on stdout.
int ChildMain(int argc, char** argv, bool mainForm) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (mainForm) {
        window = std::make_unique<TMainForm>(QDate(2025, 9, 15), std::make_unique<NoReports>());
    } else {
        window = std::make_unique<QWidget>();
        window->setFixedSize(545, 305);
        window->setWindowTitle(QStringLiteral("bare"));
    }
    ShowUntilPainted(*window);
    std::fputc('p', stdout);
    std::fflush(stdout);
    return 0;
}

void BM_InProcessBareWindowFirstPaint(benchmark::State& state) {
    const QSize size(545, 305);
    for (auto _ : state) {
        QWidget window;
        window.setFixedSize(size);
        window.setWindowTitle(QStringLiteral("bare"));
        ShowUntilPainted(window);
    }
}
BENCHMARK(BM_InProcessBareWindowFirstPaint)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_InProcessMainFormFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        TMainForm window(QDate(2025, 9, 15), std::make_unique<NoReports>());
        ShowUntilPainted(window);
    }
}
BENCHMARK(BM_InProcessMainFormFirstPaint)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_FullRecalculation(benchmark::State& state) {
    TMainForm window(QDate(2025, 9, 15), std::make_unique<NoReports>());
    window.ControlAs<lirem::ui::TSpinEdit>("seDay")->SetValue(29);
    window.ControlAs<lirem::ui::TSpinEdit>("seMonth")->SetValue(11);
    window.ControlAs<lirem::ui::TSpinEdit>("seYear")->SetValue(1985);
    window.ControlAs<QLineEdit>("edFirst")->setText(QStringLiteral("Иван"));
    window.ControlAs<QLineEdit>("edMiddle")->setText(QStringLiteral("Петрович"));
    window.ControlAs<QLineEdit>("edLast")->setText(QStringLiteral("Сидоров"));
    ShowUntilPainted(window);
    int alternate = 0;
    for (auto _ : state) {
        // Alternate two inputs so every write really changes a control.
        window.ControlAs<lirem::ui::TSpinEdit>("seDay")->SetValue(++alternate % 2 == 0 ? 29 : 13);
        window.bnDoitClick();
    }
}
BENCHMARK(BM_FullRecalculation)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--child=main") == 0 || std::strcmp(argv[i], "--child=bare") == 0) {
            return ChildMain(argc, argv, std::strcmp(argv[i], "--child=main") == 0);
        }
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
