// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading/GuiSession.h"

#include "look/Fonts.h"

#include <QGuiApplication>
#include <QHashSeed>

#include <cstdio>
#include <memory>

namespace lirem::reading {

namespace {

// The tool runs from scripts and cron jobs, where the toolkit would complain
// about a missing runtime folder it never uses.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "lirem-report: %s\n", qPrintable(message));
}

} // namespace

void EnsureGuiApplication() {
    if (QCoreApplication::instance() == nullptr) {
        // Nothing is shown: the offscreen platform gives fonts and painting
        // without an X server or a Wayland compositor.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(QuietMessages);
        // QPdfWriter writes its fonts in the order of a hash: a fixed seed,
        // set once before any hash exists in this short-lived headless
        // process, gives the same bytes on every run. The window keeps the
        // random seed.
        QHashSeed::setDeterministicGlobalSeed();
        static int argc = 1;
        static char name[] = "lirem-report";
        static char* argv[] = {name, nullptr};
        static const auto app = std::make_unique<QGuiApplication>(argc, argv);
    }
    look::InstallFontSubstitutions();
}

} // namespace lirem::reading
