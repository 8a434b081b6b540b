// Shared by the content tests: a fresh temporary folder to work in, recorded message
// boxes, and small helpers to write text files.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/platform.h"
#include "support/work_dir.h"

class ContentDir : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetRecordMessageBoxes(true);
        platform::ClearRecordedMessageBoxes();
    }
    static void WriteText(const std::string& path, const std::string& text) {
        ASSERT_TRUE(Write_Text_File(path, text));
    }
    static const std::vector<platform::RecordedBox>& Boxes() { return platform::RecordedMessageBoxes(); }
    // The one box shown, or an empty box when none or several were shown.
    static platform::RecordedBox OnlyBox() {
        const auto& b = Boxes();
        return b.size() == 1 ? b[0] : platform::RecordedBox{"<" + std::to_string(b.size()) + " boxes>", "", 0};
    }
    Work_Dir dir_{"varnoth_content"};
};
