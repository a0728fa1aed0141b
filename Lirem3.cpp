#include "ui/Main.h"
#include "ui/Translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lirem::ui::InstallToolkitTranslations(app);
    // Lets the desktop match the window to its desktop entry (Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(LIREM_APP_ID));
    TMainForm MainForm;
    MainForm.show();
    return QApplication::exec();
}
