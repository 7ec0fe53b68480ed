#include "MainWindow.h"

#include <QApplication>
#include <QMenuBar>

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("梯图编辑器"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->addAction(QStringLiteral("退出(&X)"), qApp, &QApplication::closeAllWindows);
}
