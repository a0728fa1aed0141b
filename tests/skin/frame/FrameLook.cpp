// SPDX-License-Identifier: GPL-3.0-or-later
// A window drawn with the program's skin, for looking at the frame by eye
// (screenshots under Xvfb). Not a test. "frame_look menu" adds a menu bar.

#include "skin/data/WinSkinData.h"
#include "skin/frame/WinSkinForm.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool withMenu = argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("menu");

    lirem::skin::TSkinData data;
    data.ReadSkinStreamFrom(QStringLiteral(":/skin/numero.skin"));

    auto form = std::make_unique<QWidget>();
    form->setWindowTitle(QStringLiteral("Нумерологический Калькулятор Lirem 3.0"));
    form->setWindowIcon(QIcon(QStringLiteral(":/icon/lirem.svg")));
    auto* layout = new QVBoxLayout(form.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (withMenu) {
        auto* bar = new QMenuBar(form.get());
        layout->setMenuBar(bar);
        QMenu* file = bar->addMenu(QStringLiteral("&Файл"));
        file->addAction(QStringLiteral("&Открыть"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
        QAction* save = file->addAction(QStringLiteral("&Сохранить"));
        save->setEnabled(false);
        file->addSeparator();
        QAction* check = file->addAction(QStringLiteral("Отмеченный пункт"));
        check->setCheckable(true);
        check->setChecked(true);
        file->addAction(QStringLiteral("В&ыход"), form.get(), &QWidget::close);
        file->setDefaultAction(check);
        bar->addMenu(QStringLiteral("&Правка"))->addAction(QStringLiteral("Копировать"));
        bar->addMenu(QStringLiteral("&Справка"))->addAction(QStringLiteral("О программе"));
    }
    auto* client = new QWidget;
    client->setFixedSize(545, 305);
    auto* inner = new QVBoxLayout(client);
    inner->setContentsMargins(0, 0, 0, 0);
    auto* pages = new QTabWidget;
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(new QLabel(QStringLiteral("Рамка окна рисуется из скина.")));
    pageLayout->addWidget(new QPushButton(QStringLiteral("Рассчитать")));
    pageLayout->addStretch();
    pages->addTab(page, QStringLiteral("Ядро"));
    pages->addTab(new QWidget, QStringLiteral("Синтез"));
    inner->addWidget(pages);
    auto* status = new QStatusBar;
    status->showMessage(QStringLiteral("Строка состояния"));
    inner->addWidget(status);
    layout->addWidget(client);
    form->setFixedSize(545, 305);

    auto* frame = new lirem::skin::TWinSkinForm(form.get());
    frame->SetSkinData(&data);
    frame->Loaded();
    form->show();
    const int result = QApplication::exec();
    delete frame;
    return result;
}
