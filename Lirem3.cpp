#include "ui/MainPlaceholder.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Нумерологический Калькулятор Лирем 3.0"));
    MainPlaceholder window;
    window.show();
    return QApplication::exec();
}
