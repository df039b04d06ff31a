#pragma once
// A player walking the real program through the in-memory desktop.

#include "app/page_frame.h"
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

// A player working the dialogs on the in-memory desktop: each step acts on the dialog that is
// open when its turn comes, and a dialog stays open until a step ends it.
struct Player {
    FakeDesktop desktop;
    TempFolder folder; // stands in for the Windows directory
    std::deque<std::function<void(FakePage&)>> steps;

    Player() {
        desktop.windowsFolder = folder.directory();
        desktop.player = [this](FakePage& page) {
            while (!page.ended()) {
                if (steps.empty())
                    throw std::runtime_error("no step for " + std::to_string(page.templateId()));
                auto step = std::move(steps.front());
                steps.pop_front();
                step(page);
            }
        };
    }

    void on(int templateId, std::function<void(FakePage&)> act) {
        steps.push_back([templateId, act](FakePage& page) {
            ASSERT_EQ(templateId, page.templateId());
            act(page);
        });
    }
};

// One page opened by itself, as the page loop opens it, with the record the test sets.
struct Bench : Player {
    App app{desktop, zatStartPages()};

    Bench() {
        app.settings = kStartupValues;
        storeFieldText(app.settings.gameDirectory, "C:\\GAMES\\ZAT\\");
        app.locatedDirectory = "C:\\GAMES\\ZAT\\";
    }
    // Runs the steps on the page and the dialogs opened over it; returns the template the
    // loop would open next (0: none).
    int open(const Page& page) {
        app.nextPage = 0;
        desktop.runDialog(page.templateId, [this, &page](PageWindow& w, const PageEvent& e) {
            return handlePageEvent(app, page, w, e);
        });
        EXPECT_TRUE(steps.empty()) << steps.size() << " steps were never taken";
        return app.nextPage;
    }
    // Opens the page and acts on it alone.
    int open(const Page& page, std::function<void(FakePage&)> act) {
        on(page.templateId, std::move(act));
        return open(page);
    }
};

// The whole program from its start.
struct Walk : Player {
    // An INI file as a later start finds it: the game has been located before.
    void gameLocatedAt(const std::string& directory) {
        folder.write("ZatStart.ini", "0\r\n" + directory);
    }
};
