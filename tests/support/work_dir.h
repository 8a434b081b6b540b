// A fresh temporary folder that a test works in: created and entered on construction,
// left and removed on destruction.
#pragma once

#include <filesystem>
#include <string>

class Work_Dir {
public:
    explicit Work_Dir(const char* prefix = "varnoth");
    ~Work_Dir();
    Work_Dir(const Work_Dir&) = delete;
    Work_Dir& operator=(const Work_Dir&) = delete;
    const std::filesystem::path& path() const { return dir_; }

private:
    std::filesystem::path dir_, old_;
};

// Writes text to path, creating its folders.
bool Write_Text_File(const std::string& path, const std::string& text);
// The whole content of a file, or "" when it cannot be read.
std::string Read_Text_File(const std::string& path);
