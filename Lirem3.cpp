#include "ui/Main.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon/lirem.svg")));
    TMainForm MainForm;
    MainForm.show();
    return QApplication::exec();
}
