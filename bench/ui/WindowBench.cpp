// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the program to its first painted window, measured beside a bare
// window of the same size in the same run; the same inside one process (window
// construction to first paint); and one full recalculation including every
// control write.
//
// Run it on a real X server so that mapping and painting cost what they cost
// on a desktop:
//     xvfb-run -a ./build/bench/ui/bench_ui_window
// Without a display it falls back to the offscreen platform.
//
// Process start-up: the harness starts itself again as a child with
// --child=main, --child=bare or --child=text (the same executable, so all
// children load the same libraries built with the same flags). The bare child
// is a window of the program's size that draws nothing; the text child is the
// same window drawing one line in each font face and size the program uses:
// the floor for any program that shows this text. The child builds its window,
// shows it, waits until the window is exposed (mapped) and has painted once,
// makes the X server catch up with everything sent so far, and writes one byte.
// The time runs from starting the child to reading that byte. The child then
// writes its peak resident size (VmHWM) and the CPU time it used (less
// sensitive to a busy machine than the wall time) and exits. Each repetition launches
// both children once; the report gives the medians over the repetitions.
//
// Label sizing from one layout of its text instead of the toolkit's three,
// old and new build in the same run (offscreen, 2 shared cores):
//   callgrind, --recalculate 0 (start-up, shown and painted)  181.9 M -> 170.9 M instructions (-6 %)
//   callgrind, per recalculation ((--recalculate 100 - 0) / 100)  5.99 M -> 3.02 M (1.98x)
//   BM_FullRecalculation CPU                 512 / 541 us -> 290 / 278 us
//   BM_InProcessMainFormFirstPaint CPU       9.77 / 10.3 ms -> 9.03 / 9.23 ms
// --screenshots of every page, at start and after a recalculation, at 96 dpi,
// 120 dpi and 200 %: byte-identical PNGs between the builds.
//
// Start-up against the text floor: labels of pages not shown sized when their
// page is shown, each text laid out once per font, the icon's start-up sizes
// drawn by the build, plain skin bitmaps read directly, the window shape cut
// once per border images, the packed skin decoded only as far as the entries
// read. Old and new build in the same run (2 shared cores):
//   callgrind under xvfb-run, each child up to its painted byte
//   (valgrind --tool=callgrind --dump-before=fputc ... --child=main):
//     --child=main                           183.4 M -> 155.0 M instructions
//       (155.2 M once labels measure each text directly, without a cache)
//     --child=text 703x427                   123.7 M -> 123.7 M
//     ratio main / text                      1.48 -> 1.25
//   BM_ProcessStartToPaintedWindow, xvfb-run -a, medians, interleaved runs
//   (CPU program / text; the ratio grows with the load on the machine):
//     load about 2, before the skin decoding step   1.53 / 1.52 / 1.55 -> 1.35 / 1.34 / 1.36
//     load 2 to 4.5, final                          1.63 / 1.58 / 1.56 -> 1.40 / 1.40 / 1.43
//     program_cpu_ms (load about 2)          28.8 / 29.0 / 32.0 -> 25.6 / 25.7 / 26.4
//     quiet machine (load 0.5), final, 21 repetitions twice:
//       program_cpu_ms / text_cpu_ms       34.5 / 22.2, 34.9 / 22.5 (1.55) -> 31.1 / 22.6, 30.2 / 21.8 (1.38)
//       ratio_text (wall)                  1.50 / 1.50 -> 1.34 / 1.34
//     ratio_text (wall, load about 2)        1.59 / 1.59 / 1.63 -> 1.43 / 1.42 / 1.43
//   callgrind offscreen, --recalculate 0 (start-up and exit)  172.6 M -> 150.7 M
//   callgrind, per recalculation ((--recalculate 100 - 0) / 100)  2.83 M -> 1.34 M
//     (labels on pages not shown are laid out when their page is shown)
//   BM_InProcessMainFormFirstPaint CPU       10.7 / 10.2 ms -> 8.23 / 7.59 ms
//   BM_FullRecalculation CPU                 371 / 388 us -> 161 / 240 us
// --screenshots at 96 dpi, 120 dpi, 200 % and under Xvfb: byte-identical PNGs.
// The CPU ratio stays above the instruction ratio: the program's ~400 widgets
// each post a polish request (an event-fd write), touch more pages, and tall
// fills wake the toolkit's painting thread pool; the text floor does none.
#include "ui/Main.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QObject>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include "layout/ControlNames.h"
#include "look/Fonts.h"
#include "ui/SpinEdit.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace control = lirem::control;
using lirem::ui::TMainForm;

namespace {

constexpr int kLaunches = 21;

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

// Shows the window and spins the event loop until it is exposed and has
// painted once; the paint and its flush to the window system happen in the
// same pass of the event loop.
void ShowUntilPainted(QWidget& window) {
    PaintWatcher watcher;
    window.installEventFilter(&watcher);
    window.show();
    QElapsedTimer guard;
    guard.start();
    const auto shown = [&] {
        return watcher.painted && window.windowHandle() != nullptr && window.windowHandle()->isExposed();
    };
    QTimer wake; // bounds each wait for events, without spinning
    wake.start(2);
    while (!shown() && guard.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    window.removeEventFilter(&watcher);
}

class NoReports final : public lirem::ui::ErrorReporter {
public:
    void Report(const QString&) override {}
};

// Peak resident set of this process in KiB, from /proc/self/status.
long PeakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

// CPU time this process has used so far, in milliseconds.
double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The size of the program's window on this screen, passed to the bare child.
QSize MainWindowSize() {
    static const QSize size = [] {
        TMainForm window(QDate(2025, 9, 15), std::make_unique<NoReports>());
        return window.size();
    }();
    return size;
}

struct Launch {
    double ms = 0;      // start to the byte that says "painted"
    double peakMiB = 0; // the child's VmHWM
    double cpuMs = 0;   // CPU time the child used up to the painted window
    bool ok = false;
};

Launch LaunchChild(const QStringList& arguments) {
    Launch launch;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForReadyRead(10000)) {
        child.kill();
        child.waitForFinished(1000);
        return launch;
    }
    launch.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(10000);
    const QList<QByteArray> report = child.readAllStandardOutput().mid(1).trimmed().split(' ');
    launch.peakMiB = report.front().toDouble() / 1024.0;
    launch.cpuMs = report.back().toDouble();
    launch.ok = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    return launch;
}

// One line in each face the window uses, the caption's included.
class TextFloorWindow final : public QWidget {
protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        using lirem::layout::FontFace;
        QPainter painter(this);
        QFont caption = QApplication::font("QMdiSubWindowTitleBar");
        caption.setBold(true);
        std::vector<QFont> fonts{caption};
        for (FontFace face : {FontFace::Window, FontFace::WindowBold, FontFace::Arial9, FontFace::Arial10,
                              FontFace::Arial12, FontFace::Arial14}) {
            fonts.push_back(lirem::look::MakeFont(face));
        }
        int y = 0;
        for (const QFont& font : fonts) {
            painter.setFont(font);
            y += QFontMetrics(font).height();
            painter.drawText(4, y, QStringLiteral("Нумерологический Калькулятор Лирем 3.0: 0123456789"));
        }
    }
};

// One repetition starts the bare window, the text floor and the program one
// after the other, so all see the same load on the machine; the time of the
// repetition is the program's, the counters give all three and the ratios.
// Read the medians.
void BM_ProcessStartToPaintedWindow(benchmark::State& state) {
    const QSize size = MainWindowSize();
    const QStringList bare{QStringLiteral("--child=bare"),
                           QStringLiteral("%1x%2").arg(size.width()).arg(size.height())};
    QStringList text = bare;
    text.front() = QStringLiteral("--child=text");
    const QStringList program{QStringLiteral("--child=main")};
    for (auto _ : state) {
        const Launch b = LaunchChild(bare);
        const Launch t = LaunchChild(text);
        const Launch p = LaunchChild(program);
        if (!b.ok || !t.ok || !p.ok) {
            state.SkipWithError("a child did not paint its window");
            break;
        }
        state.SetIterationTime(p.ms / 1000.0);
        state.counters["bare_ms"] = b.ms;
        state.counters["text_ms"] = t.ms;
        state.counters["program_ms"] = p.ms;
        state.counters["ratio"] = p.ms / b.ms;
        state.counters["ratio_text"] = p.ms / t.ms;
        state.counters["bare_cpu_ms"] = b.cpuMs;
        state.counters["text_cpu_ms"] = t.cpuMs;
        state.counters["program_cpu_ms"] = p.cpuMs;
        state.counters["bare_peak_MiB"] = b.peakMiB;
        state.counters["program_peak_MiB"] = p.peakMiB;
    }
}
BENCHMARK(BM_ProcessStartToPaintedWindow)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(kLaunches)
    ->ReportAggregatesOnly(true)
    ->UseManualTime();

enum class Child { Main, Bare, Text };

// The child: one window, shown and painted, then one byte and its peak size on stdout.
int ChildMain(int argc, char** argv, Child kind, const char* bareSize) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (kind == Child::Main) {
        // What the program's main() does; the window sets its own icon.
        window = std::make_unique<TMainForm>(QDate::currentDate(), std::make_unique<NoReports>());
    } else {
        int width = 0;
        int height = 0;
        if (bareSize == nullptr || std::sscanf(bareSize, "%dx%d", &width, &height) != 2) {
            return 2;
        }
        if (kind == Child::Text) {
            lirem::look::InstallFontSubstitutions();
            window = std::make_unique<TextFloorWindow>();
        } else {
            window = std::make_unique<QWidget>();
        }
        window->setFixedSize(width, height);
        window->setWindowTitle(QStringLiteral("bare"));
    }
    ShowUntilPainted(*window);
    QGuiApplication::sync(); // a round trip: the X server has drawn what was sent
    std::fputc('p', stdout);
    std::fflush(stdout);
    std::fprintf(stdout, "%ld %.3f\n", PeakResidentKiB(), ProcessCpuMs());
    std::fflush(stdout);
    return 0;
}

void BM_InProcessBareWindowFirstPaint(benchmark::State& state) {
    const QSize size = MainWindowSize();
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

void FillPerson(TMainForm& window) {
    window.ControlAs<lirem::ui::SpinEdit>(control::seDay)->SetValue(29);
    window.ControlAs<lirem::ui::SpinEdit>(control::seMonth)->SetValue(11);
    window.ControlAs<lirem::ui::SpinEdit>(control::seYear)->SetValue(1985);
    window.ControlAs<QLineEdit>(control::edFirst)->setText(QStringLiteral("Иван"));
    window.ControlAs<QLineEdit>(control::edMiddle)->setText(QStringLiteral("Петрович"));
    window.ControlAs<QLineEdit>(control::edLast)->setText(QStringLiteral("Сидоров"));
}

void BM_FullRecalculation(benchmark::State& state) {
    TMainForm window(QDate(2025, 9, 15), std::make_unique<NoReports>());
    FillPerson(window);
    ShowUntilPainted(window);
    int alternate = 0;
    for (auto _ : state) {
        // Alternate two inputs so every write really changes a control.
        window.ControlAs<lirem::ui::SpinEdit>(control::seDay)->SetValue(++alternate % 2 == 0 ? 29 : 13);
        window.bnDoitClick();
    }
}
BENCHMARK(BM_FullRecalculation)->Unit(benchmark::kMicrosecond);

// For comparing builds: every page as first shown and after a recalculation,
// as PNG files in a folder (compare two builds' folders byte for byte).
int SaveScreenshots(int argc, char** argv, const QString& folder) {
    QApplication app(argc, argv);
    TMainForm window(QDate(2025, 9, 15), std::make_unique<NoReports>());
    ShowUntilPainted(window);
    QTabWidget* pages = window.PageControl();
    const auto saveAll = [&](const char* state) {
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            QApplication::processEvents();
            if (!window.grab().save(folder + QStringLiteral("/%1-page%2.png").arg(QLatin1String(state)).arg(i))) {
                return false;
            }
        }
        pages->setCurrentIndex(0);
        return true;
    };
    if (!saveAll("start")) {
        return 1;
    }
    FillPerson(window);
    window.bnDoitClick();
    return saveAll("person") ? 0 : 1;
}

// For instruction counts under callgrind: n recalculations in the shown window.
int RecalculateTimes(int argc, char** argv, int times) {
    QApplication app(argc, argv);
    TMainForm window(QDate(2025, 9, 15), std::make_unique<NoReports>());
    FillPerson(window);
    ShowUntilPainted(window);
    for (int i = 0; i < times; ++i) {
        window.ControlAs<lirem::ui::SpinEdit>(control::seDay)->SetValue(i % 2 == 0 ? 29 : 13);
        window.bnDoitClick();
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--screenshots") == 0) {
        return SaveScreenshots(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (argc >= 3 && std::strcmp(argv[1], "--recalculate") == 0) {
        return RecalculateTimes(argc, argv, std::atoi(argv[2]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::pair<const char*, Child> children[] = {
        {"--child=main", Child::Main}, {"--child=bare", Child::Bare}, {"--child=text", Child::Text}};
    for (int i = 1; i < argc; ++i) {
        for (const auto& [option, kind] : children) {
            if (std::strcmp(argv[i], option) == 0) {
                return ChildMain(argc, argv, kind, i + 1 < argc ? argv[i + 1] : nullptr);
            }
        }
    }
    QApplication app(argc, argv);
    benchmark::AddCustomContext("qt_platform", QGuiApplication::platformName().toStdString());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
