// Shared by the content tests: a fresh temporary folder to work in, recorded message
// boxes, and small helpers to write text files.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/platform.h"

class ContentDir : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/varnoth_content_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
        old_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
        platform::SetRecordMessageBoxes(true);
        platform::ClearRecordedMessageBoxes();
    }
    void TearDown() override {
        std::filesystem::current_path(old_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    static void WriteText(const std::string& path, const std::string& text) {
        std::filesystem::path p(path);
        if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
        std::FILE* f = std::fopen(path.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs(text.c_str(), f);
        std::fclose(f);
    }
    static const std::vector<platform::RecordedBox>& Boxes() { return platform::RecordedMessageBoxes(); }
    // The one box shown, or an empty box when none or several were shown.
    static platform::RecordedBox OnlyBox() {
        const auto& b = Boxes();
        return b.size() == 1 ? b[0] : platform::RecordedBox{"<" + std::to_string(b.size()) + " boxes>", "", 0};
    }
    std::filesystem::path dir_, old_;
};
