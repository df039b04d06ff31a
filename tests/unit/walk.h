#pragma once
// A player walking the real program through the in-memory desktop: each step acts on the
// dialog that is open when its turn comes, and a dialog stays open until a step ends it.

#include "app/startup.h"
#include "pages/pages.h"
#include "resources/resource_ids.h"
#include "settings/launch_settings.h"
#include "settings/text_field.h"
#include "support/fake_desktop.h"
#include "temp_folder.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

// The templates by short names, for walks that read like the chain.
namespace pageIds {
constexpr int welcome = IDD_WELCOME, gameType = IDD_GAME_TYPE, multiplayer = IDD_MULTIPLAYER,
              serverOptions = IDD_SERVER_OPTIONS, gameOptions = IDD_GAME_OPTIONS,
              mapSelect = IDD_MAP_SELECT, playerSetup = IDD_PLAYER_SETUP,
              controlSetup = IDD_CONTROL_SETUP, optionText = IDD_OPTION_TEXT, run = IDD_RUN,
              videoOptions = IDD_VIDEO_OPTIONS, driverList = IDD_DRIVER_LIST,
              modeList = IDD_MODE_LIST, advancedVideo = IDD_ADVANCED_VIDEO, help = IDD_HELP;
} // namespace pageIds

struct Walk {
    FakeDesktop desktop;
    TempFolder folder; // stands in for the Windows directory
    std::deque<std::function<void(FakePage&)>> steps;
    std::string located; // the game directory of the INI file

    Walk() {
        desktop.windowsFolder = folder.directory();
        desktop.player = [this](FakePage& page) {
            while (!page.ended()) {
                if (steps.empty())
                    throw std::runtime_error("no step left for dialog " +
                                             std::to_string(page.templateId()));
                auto step = std::move(steps.front());
                steps.pop_front();
                step(page);
            }
        };
    }

    // An INI file as a later start finds it: the game has been located before.
    void gameLocatedAt(const std::string& directory) {
        folder.write("ZatStart.ini", "0\r\n" + directory);
        located = directory;
    }

    // Loads a settings file with these values, made where the game was located, on the
    // welcome page and stays there.
    void loadOnWelcome(LaunchSettings settings) {
        storeFieldText(settings.gameDirectory, located);
        on(10000, [this, settings](FakePage& page) {
            folder.write("walk.ZTP",
                         std::string(reinterpret_cast<const char*>(&settings), sizeof settings));
            desktop.chosenFiles.push_back(folder.path("walk.ZTP"));
            desktop.answers.push_back(MessageAnswer::no);
            page.click(222);
        });
    }

    void on(int templateId, std::function<void(FakePage&)> act) {
        steps.push_back([templateId, act](FakePage& page) {
            ASSERT_EQ(templateId, page.templateId());
            act(page);
        });
    }
    void click(int templateId, int id) {
        on(templateId, [id](FakePage& page) { page.click(id); });
    }
    void command(int templateId, int id) {
        on(templateId, [id](FakePage& page) { page.command(id); });
    }
    void passSplash() {
        on(12, [](FakePage& page) {
            ASSERT_EQ(3000u, page.timers().at(1));
            page.timer(1);
        });
    }
    // Close, answered Yes: the program ends.
    void closeOn(int templateId) {
        on(templateId, [this](FakePage& page) {
            desktop.answers.push_back(MessageAnswer::yes);
            page.click(2);
        });
    }

    int run() {
        const int result = runZatStart(desktop, zatStartPages());
        EXPECT_TRUE(steps.empty()) << steps.size() << " steps were never taken";
        return result;
    }
};
