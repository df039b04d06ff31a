// Every caption of every page and dialog fits its control at 96 and 144 DPI, measured in the
// real dialogs' layout and font. A launcher of its own per DPI: the DPI is read at start-up.
#include "captions.h"
#include "driver.h"
#include "game_files.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr int pressF1 = -1; // help opens from the keyboard only

// Shown one after another, each from the page shown before it: a page by a command, or a
// dialog over that page, closed again by a button.
struct Stop {
    int templateId;
    int command;
    int closeWith = 0; // for a dialog over the page
};
constexpr Stop stops[] = {
    {IDD_GAME_TYPE, IDM_GAME_TYPE},
    {IDD_MULTIPLAYER, IDM_MULTIPLAYER},
    {IDD_PLAYER_SETUP, IDC_BACK},
    {IDD_SERVER_OPTIONS, IDM_SERVER_OPTIONS},
    {IDD_GAME_OPTIONS, IDM_GAME_OPTIONS},
    {IDD_CONTROL_SETUP, IDC_CONTROL_SETUP, IDC_CLOSE},
    {IDD_MAP_SELECT, IDM_MAP_SELECT},
    {IDD_VIDEO_OPTIONS, IDM_VIDEO_OPTIONS},
    {IDD_DRIVER_LIST, IDC_CHANGE_DRIVER, IDC_CLOSE},
    {IDD_MODE_LIST, IDC_CHANGE_MODE, IDC_CLOSE},
    {IDD_ADVANCED_VIDEO, IDC_ADVANCED_VIDEO, IDC_CLOSE},
    {IDD_HELP, pressF1, IDC_CLOSE},
    {IDD_OPTION_TEXT, IDM_OPTION_TEXT},
    {IDD_RUN, IDC_NEXT},
    {IDD_ABOUT, IDM_ABOUT, IDC_OK},
};

bool fits(HWND shown, int templateId, int dpi) {
    if (!shown) {
        ADD_FAILURE() << "dialog " << templateId << " did not show at " << dpi << " DPI";
        return false;
    }
    for (const std::string& misfit : captionMisfits(shown, templateId, dpi))
        ADD_FAILURE() << "dialog " << templateId << " at " << dpi << " DPI: " << misfit;
    return true;
}

TEST(Captions, FitTheirControlsOnEveryPageAndDialogAt96And144Dpi) {
    writeIni(demoGameDirectory());
    const DWORD earlierDpi = setDisplayDpi(96);
    for (const int dpi : {96, 144}) {
        setDisplayDpi(dpi);
        ZatStart zat(zatStartExe(), demoGameDirectory());
        fits(zat.waitForWindow([&zat](HWND w) { return w == zat.findSplash(); }), IDD_SPLASH, dpi);
        HWND page = zat.waitForPage(Page::welcome);
        if (!fits(page, IDD_WELCOME, dpi))
            break;
        for (const Stop& stop : stops) {
            if (stop.command == pressF1)
                pressKey(page, IDC_NEXT, VK_F1);
            else
                command(page, stop.command);
            HWND shown = zat.waitForOtherDialog(page);
            if (!fits(shown, stop.templateId, dpi))
                break;
            if (stop.closeWith) {
                click(shown, stop.closeWith);
                EXPECT_TRUE(waitUntilGone(shown)) << "dialog " << stop.templateId << " stayed";
            } else {
                page = shown;
            }
        }
    }
    setDisplayDpi(earlierDpi);
    removeIniFiles();
}

} // namespace
} // namespace e2e
