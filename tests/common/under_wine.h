#pragma once
// Whether a test runs under Wine rather than on Windows itself: where Wine behaves otherwise than
// Windows, a test skips that part there and says why.

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace corvane::testing {

inline bool RunningUnderWine() {
#ifdef _WIN32
    // Only Wine's ntdll has this export.
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

}  // namespace corvane::testing
