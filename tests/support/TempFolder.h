// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "moonrill-test-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    [[nodiscard]] const std::string &path() const { return m_path; }
    [[nodiscard]] std::string file(const std::string &name) const { return m_path + "/" + name; }

    void write(const std::string &name, const std::string &content) const
    {
        std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
        out << content;
    }
    [[nodiscard]] std::string read(const std::string &name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    /// The names in the folder, sorted.
    [[nodiscard]] std::vector<std::string> names() const
    {
        std::vector<std::string> all;
        for (const auto &entry : std::filesystem::directory_iterator(m_path))
            all.push_back(entry.path().filename());
        std::sort(all.begin(), all.end());
        return all;
    }
    [[nodiscard]] bool exists(const std::string &name) const
    {
        return std::filesystem::exists(std::filesystem::symlink_status(file(name)));
    }

private:
    std::string m_path;
};

/// What stat() says of `path`; all zero when there is nothing there.
inline struct stat StatOf(const std::string &path)
{
    struct stat info = {};
    (void)::stat(path.c_str(), &info);
    return info;
}
