#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "MessageLog.h"
#include "WorkingFolder.h"
#include "app/MainWindow.h"
#include "app/MapPictureWriter.h"
#include "resources/ResourceIds.h"
#include "toolkit/ZSystem.h"
#include "toolkit/testing/ZDialogDriver.h"

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

    // A save command with the file dialog answering the name; what the dialog was asked is kept
    // in asked.
    void saveAs(int saveCommand, const std::string& answer) {
        ZDialogDriver::setFileDialogScript([&](const ZString& title, const ZString& initial) {
            asked.emplace_back(title.str(), initial.str());
            return ZString(answer.c_str());
        });
        command(saveCommand);
        ZDialogDriver::setFileDialogScript(nullptr);
    }

    // The window's map as the raster savers draw it, at the window's scale (0) or one of its own.
    QImage savedPicture(std::uint32_t scalePercent = 0) {
        MapSnapshot snapshot = window->snapshot();
        snapshot.view.scalePercent = scalePercent ? scalePercent : snapshot.view.scalePercent;
        return MapPictureWriter(snapshot).render(nullptr).image();
    }

    qint64 pictureKey() const { return window->mapBitmap.image().cacheKey(); }

    QString statusText(int part) const {
        QApplication::processEvents();
        auto parts = window->statusBar.widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        return parts.at(part)->text();
    }

    WorkingFolder folder;
    MessageLog log;
    std::unique_ptr<MainWindow> window;
    std::vector<std::pair<std::string, std::string>> asked;
};
