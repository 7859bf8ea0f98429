#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <memory>
#include <string>

#include "MessageLog.h"
#include "WorkingFolder.h"
#include "app/MainWindow.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZSystem.h"

// The real window in a fresh working folder, its message boxes logged.
class WindowTest : public testing::Test {
  protected:
    // Creates the window on the settings given ("" for no settings file).
    MainWindow& start(const std::string& settings) {
        if (!settings.empty()) {
            folder.write("init.txt", settings);
        }
        window = std::make_unique<MainWindow>();
        window->create(nullptr);
        return *window;
    }

    // Closes the window with its close box; the message loop must then end at once.
    void closeWindow() {
        window->widget()->close();
        EXPECT_FALSE(window->isCreated());
        EXPECT_EQ(ZSystem::messageLoop(*window, IDR_ACCELERATORS), 0);
    }

    void command(int id) { window->onWindowMessage(*window, Z_WM_COMMAND, id, 0); }

    qint64 pictureKey() const { return window->mapBitmap.image().cacheKey(); }

    QString statusText(int part) const {
        QApplication::processEvents();
        auto parts = window->statusBar.widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        return parts.at(part)->text();
    }

    WorkingFolder folder;
    MessageLog log;
    std::unique_ptr<MainWindow> window;
};
