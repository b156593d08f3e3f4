// A fresh folder standing in for the editor's start-up folder, with the gcc bridge
// first on the path, for tests that run commands.
#pragma once

#include "kit.h"

#include "EditWindow.h"

#include <gtest/gtest.h>

#include <string>

// Puts the current folder and the path back afterwards.
class StartFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        kit::start_editor();
        GetCurrentDirectoryW(MAX_PATH, saved_directory_);
        saved_path_.resize(32767);
        saved_path_.resize(GetEnvironmentVariableW(L"PATH", saved_path_.data(), 32767));
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(NULL, self, MAX_PATH);
        std::wstring bridge = self;
        bridge.resize(bridge.find_last_of(L'\\'));
        bridge += L"\\gcc_bridge";
        SetEnvironmentVariableW(L"PATH", (bridge + L";" + saved_path_).c_str());
        folder_ = kit::temp_dir();
        wcscpy(currentPathA, folder_.c_str());
        SetCurrentDirectoryW(currentPathA);
    }
    void TearDown() override
    {
        SetCurrentDirectoryW(saved_directory_);
        SetEnvironmentVariableW(L"PATH", saved_path_.c_str());
        EXPECT_TRUE(kit::unexpected_dialogs().empty());
    }
    std::wstring pane() { return kit::text(hOutput); }
    bool exists(const wchar_t* name)
    {
        return GetFileAttributesW((folder_ + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    std::wstring folder_;
    std::wstring saved_path_;
    wchar_t saved_directory_[MAX_PATH];
};

