#pragma once
#include <gtest/gtest.h>

#include <filesystem>

#include "app/basIniFile.h"
#include "support/Recorders.h"

namespace brenvik::test {

// Each window test starts from the default settings in a program folder of its own, with
// every message box recorded instead of shown.
class UiTest : public ::testing::Test {
  protected:
    UiTest() {
        std::filesystem::create_directories(folder.path() / "SysData");
        basIniFile::MemoryInitialize();
    }
    ~UiTest() override { basIniFile::MemoryInitialize(); }

    TempProgramFolder folder;
    MessageRecorder boxes;
};

}  // namespace brenvik::test
