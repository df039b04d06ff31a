// One launcher at a time: a named mutex, held from the first page until the process ends.
#include "platform/win32/win32_desktop.h"

namespace {
// The installer looks for it by this name too (release/installer.nsi).
constexpr wchar_t kInstanceClaim[] = L"ZatStart Version 1.5 pages";
}

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
