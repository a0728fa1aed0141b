#include "ui/MainPlaceholder.h"

#include <QLabel>
#include <QVBoxLayout>

MainPlaceholder::MainPlaceholder() {
    setWindowTitle(QStringLiteral("Нумерологический Калькулятор Lirem 3.0"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Окно калькулятора ещё строится."), this));
}
