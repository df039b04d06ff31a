#pragma once
// The desktop in memory: opens the pages from the resource script's templates for a player
// the test provides, answers message boxes, file dialogs and menus from scripted answers,
// and records everything the program asked of the system.

#include "platform/port.h"
#include "support/fake_page.h"
#include "support/resource_parser.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct MessageBoxShown {
    std::string text;
    std::u16string wideText; // a text that names a path the code page cannot hold
    std::string caption;
    MessageIcon icon = MessageIcon::none;
    MessageButtons buttons = MessageButtons::ok;
    int ownerTemplate = 0; // the owning page's template; 0 without one
};

struct ProgramRun {
    std::string executable;
    std::string commandLine;
    std::string directory;
};

class FakeDesktop : public Desktop {
  public:
    // --- Scripted by the test.
    // Works every dialog that opens and must leave it ended; a dialog left open throws.
    std::function<void(FakePage&)> player;
    // Answers to yes/no questions, in order; a question without one throws.
    std::deque<MessageAnswer> answers;
    // Paths the file dialogs return, in order; nothing, or an empty queue, is a cancel.
    std::deque<std::optional<std::string>> chosenFiles;
    // Chosen paths the system's code page cannot hold and that have no short form: as the
    // program gets them ("?" for what does not fit), to each as the player sees it.
    std::map<std::string, std::u16string, std::less<>> unfitPaths;
    std::set<std::string, std::less<>> existingDialogTitles;
    bool claimedElsewhere = false;  // another launcher holds the single-instance claim
    bool launcherTakesFiles = true; // a page of that launcher takes a handed file
    // Called while a started program runs, as the run page waits for it.
    std::function<void()> whileProgramRuns;
    std::string windowsFolder = "C:\\WINDOWS";
    // Paths with a short (8.3) form, to it; any other path is its own short form.
    std::map<std::string, std::string, std::less<>> shortPaths;
    bool programStarts = true;
    std::uint32_t programExitCode = 0;
    // What was written to the standard output and error; unset: no console, pipe or file
    // takes that stream.
    std::optional<std::string> standardOutput;
    std::optional<std::string> standardError;
    bool interactiveDesktop = true; // false: a service's or an unattended task's
    std::set<int> dialogsThatFail;  // templates that cannot be shown

    // --- Recorded.
    std::vector<int> openedTemplates; // every dialog opened, in order
    std::vector<MessageBoxShown> messageBoxes;
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<Point> menuPlaces; // each popup menu's top left corner
    std::vector<ProgramRun> programRuns;
    std::vector<std::string> handedFiles;     // to another launcher
    std::vector<std::string> recentDocuments; // in the order added
    // How many dialogs had opened when the single-instance claim was made; unset: never.
    std::optional<std::size_t> claimedAfterDialogs;

    // --- The port.
    bool runDialog(int templateId, const PageHandler& handler) override;
    MessageAnswer messageBox(PageWindow* owner, std::string_view text, std::string_view caption,
                             MessageIcon icon, MessageButtons buttons) override {
        return show(owner, {std::string(text), {}, std::string(caption), icon, buttons});
    }
    // Only errors name a path the code page cannot hold.
    MessageAnswer messageBox(PageWindow* owner, std::u16string_view text, std::string_view caption,
                             MessageIcon icon, MessageButtons buttons) override {
        return show(owner, {{}, std::u16string(text), std::string(caption), icon, buttons});
    }
    std::optional<HandedPath> fileDialog(PageWindow& owner,
                                         const FileDialogRequest& request) override;
    // Dismissed: a chosen item arrives as its command.
    void popupMenu(PageWindow&, const std::vector<MenuItem>&, Point topLeft) override {
        menuPlaces.push_back(topLeft);
    }
    bool dialogWindowExists(std::string_view title) override {
        return existingDialogTitles.count(title) != 0;
    }
    void claimSingleInstance() override { claimedAfterDialogs = openedTemplates.size(); }
    bool singleInstanceClaimed() override {
        return claimedElsewhere || claimedAfterDialogs.has_value();
    }
    bool handToRunningLauncher(std::string_view, std::string_view path) override {
        handedFiles.emplace_back(path);
        return launcherTakesFiles;
    }
    void addToRecentDocuments(std::string_view path) override {
        recentDocuments.emplace_back(path);
    }
    std::string windowsDirectory() override { return windowsFolder; }
    std::string appDataDirectory() override { return {}; }
    std::optional<std::string> shortPath(std::string_view path) override {
        const auto found = shortPaths.find(path);
        return found != shortPaths.end() ? found->second : std::string(path);
    }
    std::optional<std::uint32_t> runProgram(std::string_view executable,
                                            std::string_view commandLine,
                                            std::string_view currentDirectory,
                                            const std::function<void()>& started) override {
        programRuns.push_back(
            {std::string(executable), std::string(commandLine), std::string(currentDirectory)});
        if (!programStarts)
            return std::nullopt;
        if (started)
            started();
        if (whileProgramRuns)
            whileProgramRuns();
        return programExitCode;
    }
    bool writeStandardOutput(std::string_view text) override { return write(standardOutput, text); }
    bool writeStandardError(std::string_view text) override { return write(standardError, text); }
    bool interactive() override { return interactiveDesktop; }

  private:
    MessageAnswer show(PageWindow* owner, MessageBoxShown box);
    static bool write(std::optional<std::string>& stream, std::string_view text) {
        if (stream)
            stream->append(text);
        return stream.has_value();
    }
};
