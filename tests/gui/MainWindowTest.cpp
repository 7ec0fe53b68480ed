#include "shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QApplication>(argc, argv);
        window = std::make_unique<MainWindow>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QAction* MenuItem(const QString& text) const {
        for (QAction* menu : window->menuBar()->actions()) {
            for (QAction* item : menu->menu()->actions()) {
                if (item->text() == text) {
                    return item;
                }
            }
        }
        return nullptr;
    }

    int argc = 1;
    char name[9] = "test_gui";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, OpensWithTheEditorsTitle) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("梯图编辑器"));
}

TEST_F(MainWindowTest, ExitClosesTheWindow) {
    QAction* exit = MenuItem(QStringLiteral("退出(&X)"));
    ASSERT_NE(exit, nullptr);
    exit->trigger();
    EXPECT_FALSE(window->isVisible());
}

} // namespace
