// One launcher at a time: a named mutex, held from the first page until the process ends; a
// second start with a settings file hands it to the launcher that runs.
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_handed_file.h"
#include "zat_version.h"

namespace {
// The installer looks for it by this name too (release/installer.nsi).
constexpr wchar_t kInstanceClaim[] = L"" ZAT_SPLASH_TITLE " pages";
} // namespace

void Win32Desktop::claimSingleInstance() {
    if (!instanceClaim_)
        instanceClaim_ = CreateMutexW(nullptr, FALSE, kInstanceClaim);
}

bool Win32Desktop::singleInstanceClaimed() {
    HANDLE claim = OpenMutexW(SYNCHRONIZE, FALSE, kInstanceClaim);
    if (!claim)
        return false;
    CloseHandle(claim);
    return true;
}

// The running launcher is found as the instance check finds it, by its page. Between two of
// its pages there is none for a moment, so the page is waited for.
bool Win32Desktop::handToRunningLauncher(std::string_view pageTitle, std::string_view path) {
    constexpr DWORD kPageWaitMilliseconds = 5000;
    constexpr DWORD kPollMilliseconds = 50;
    // The title is plain ASCII.
    const std::wstring title(pageTitle.begin(), pageTitle.end());
    HWND page = FindWindowW(L"#32770", title.c_str());
    for (DWORD waited = 0; !page && waited < kPageWaitMilliseconds; waited += kPollMilliseconds) {
        Sleep(kPollMilliseconds);
        page = FindWindowW(L"#32770", title.c_str());
    }
    return page && sendHandedFile(page, path);
}
