#pragma once

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace velmora::testing {

// Runs each GUI test inside its own application on the offscreen platform.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        if (!QApplication::instance()) {
            app = std::make_unique<QApplication>(argc, argv);
        }
    }

    int argc = 1;
    char name[9] = "test_gui";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
};

} // namespace velmora::testing
