// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Main.h"
#include "ui/Translations.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kHelp = "Usage: Lirem3 [--help | --version]\n"
                              "\n"
                              "Lirem 3.0, a numerology calculator with a Russian interface: the numbers of\n"
                              "a birth date and a full name, a partner comparison, cycles and a calendar.\n"
                              "Opens the calculator's window; other arguments are ignored.\n"
                              "\n"
                              "  --help     print this help and exit\n"
                              "  --version  print the version and exit\n"
                              "\n"
                              "lirem-report prints the same results on the command line; see lirem-report(1).\n";

// --help and --version are answered before the application object reaches
// the window system, so they work without a display. Returns the exit status,
// or -1 when the window is to start.
int AnswerInfoOption(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const char* text = nullptr;
        if (std::strcmp(argv[i], "--help") == 0)
            text = kHelp;
        else if (std::strcmp(argv[i], "--version") == 0)
            text = "Lirem3 " LIREM_VERSION "\n";
        if (text == nullptr)
            continue;
        if (std::fputs(text, stdout) < 0 || std::fflush(stdout) != 0) {
            std::fputs("Lirem3: standard output could not be written\n", stderr);
            return 1;
        }
        return 0;
    }
    return -1;
}

constexpr const char* kNoDisplay = "Lirem3: для окна калькулятора нужен графический сеанс (X11 или Wayland).\n"
                                   "Lirem3: the calculator's window needs a graphical session (X11 or Wayland).\n";

[[noreturn]] void NoGraphicalSession() {
    std::fputs(kNoDisplay, stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// While the application object connects to the window system, a fatal
// message from the toolkit means there is no display to show the window on.
QtMessageHandler previousHandler = nullptr;
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg)
        NoGraphicalSession();
    if (previousHandler != nullptr)
        previousHandler(type, context, message);
}

bool NoDisplayNamed() {
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr || *value == '\0';
    };
    // A platform chosen by hand (offscreen, vnc, ...) may need no display.
    return unset("QT_QPA_PLATFORM") && unset("DISPLAY") && unset("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    if (const int status = AnswerInfoOption(argc, argv); status >= 0)
        return status;
    if (NoDisplayNamed())
        NoGraphicalSession();
    previousHandler = qInstallMessageHandler(StartupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    lirem::ui::InstallToolkitTranslations(app);
    // Lets the desktop match the window to its desktop entry (Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(LIREM_APP_ID));
    lirem::ui::TMainForm mainForm;
    mainForm.show();
    return QApplication::exec();
}
