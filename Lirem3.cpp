#include "ui/Main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its desktop entry (Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(LIREM_APP_ID));
    TMainForm MainForm;
    MainForm.show();
    return QApplication::exec();
}
