#include "ui/Main.h"
#include "ui/ProgramIcon.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(lirem::ui::ProgramIcon());
    TMainForm MainForm;
    MainForm.show();
    return QApplication::exec();
}
