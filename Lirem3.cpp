// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Main.h"
#include "ui/Translations.h"

#include <QApplication>

#include <cstdio>
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

} // namespace

int main(int argc, char* argv[]) {
    if (const int status = AnswerInfoOption(argc, argv); status >= 0)
        return status;
    QApplication app(argc, argv);
    lirem::ui::InstallToolkitTranslations(app);
    // Lets the desktop match the window to its desktop entry (Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(LIREM_APP_ID));
    lirem::ui::TMainForm MainForm;
    MainForm.show();
    return QApplication::exec();
}
