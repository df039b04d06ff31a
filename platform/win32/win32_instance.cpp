// One launcher at a time: a named mutex, held from the first page until the process ends.
#include "platform/win32/win32_desktop.h"
#include "zat_version.h"

namespace {
constexpr char kInstanceClaim[] = ZAT_SPLASH_TITLE " pages";
}

void Win32Desktop::claimSingleInstance() {
    if (!instanceClaim_)
        instanceClaim_ = CreateMutexA(nullptr, FALSE, kInstanceClaim);
}

bool Win32Desktop::singleInstanceClaimed() {
    HANDLE claim = OpenMutexA(SYNCHRONIZE, FALSE, kInstanceClaim);
    if (!claim)
        return false;
    CloseHandle(claim);
    return true;
}
