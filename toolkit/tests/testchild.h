// Test helper for Windows, which has no fork: runs this test program again
// as another process on one test, told what to do through an environment
// variable, so that several programs can work on one file at once.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

struct TestChild {
    HANDLE process = nullptr;
};

// The test is run with --gtest_also_run_disabled_tests: a DISABLED_ test
// that only such a child runs.
inline TestChild startTestChild(const std::string& test, const char* variable, const std::string& value) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(self) + L"\" --gtest_also_run_disabled_tests --gtest_filter=" +
                        std::wstring(test.begin(), test.end());
    ::SetEnvironmentVariableA(variable, value.c_str());
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION info{};
    const BOOL started = ::CreateProcessW(self, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &info);
    ::SetEnvironmentVariableA(variable, nullptr);
    if (!started) return {};
    ::CloseHandle(info.hThread);
    return {info.hProcess};
}

// The child's exit code once it has ended; -1 when it never started.
inline int waitTestChild(TestChild& child) {
    if (!child.process) return -1;
    ::WaitForSingleObject(child.process, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(child.process, &code);
    ::CloseHandle(child.process);
    child.process = nullptr;
    return static_cast<int>(code);
}
#endif
