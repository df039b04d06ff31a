#pragma once
// The desktop of the program: Win32 dialogs, message boxes, menus and the system queries.

#include "platform/port.h"

#include <windows.h>

class Win32Desktop final : public Desktop {
  public:
    explicit Win32Desktop(HINSTANCE instance) : instance_(instance) {}

    bool runDialog(int templateId, const PageHandler& handler) override;

    MessageAnswer messageBox(PageWindow* owner, std::string_view text, std::string_view caption,
                             MessageIcon icon, MessageButtons buttons) override;
    MessageAnswer messageBox(PageWindow* owner, std::u16string_view text, std::string_view caption,
                             MessageIcon icon, MessageButtons buttons) override;
    std::optional<HandedPath> fileDialog(PageWindow& owner,
                                         const FileDialogRequest& request) override;
    void popupMenu(PageWindow& owner, const std::vector<MenuItem>& items, Point topLeft) override;

    bool dialogWindowExists(std::string_view title) override;
    void claimSingleInstance() override;
    bool singleInstanceClaimed() override;
    bool handToRunningLauncher(std::string_view pageTitle, std::string_view path) override;
    void addToRecentDocuments(std::string_view path) override;

    std::string windowsDirectory() override;
    std::string appDataDirectory() override;
    std::optional<std::string> shortPath(std::string_view path) override;

    std::optional<std::uint32_t> runProgram(std::string_view executable,
                                            std::string_view commandLine,
                                            std::string_view currentDirectory,
                                            const std::function<void()>& started) override;
    bool writeStandardOutput(std::string_view text) override;
    bool writeStandardError(std::string_view text) override;
    bool interactive() override;

  private:
    // The handle given for stdHandle, or else the console of the program that started this
    // one; nothing when there is neither.
    HANDLE streamOf(DWORD stdHandle);

    HINSTANCE instance_;
    HANDLE instanceClaim_ = nullptr; // held until the process ends
    HANDLE output_ = nullptr;        // found at the first write
    HANDLE error_ = nullptr;         // found at the first write
    HANDLE console_ = nullptr;       // the parent's console, once attached
};
