// Test support: readable texts in failure messages, and a temporary folder with real files.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

#include "text/byte_text.h"

namespace text {

inline void PrintTo(const ByteText& text, std::ostream* out) {
    *out << '"' << text.view() << '"';
}

// A fresh folder for one test, removed with everything in it afterwards. Its paths are the
// logic's, with backslashes, also on the POSIX stand-in.
class TempFolder {
  public:
    TempFolder()
        : root_(std::filesystem::temp_directory_path() /
                ("aelang-" + std::to_string(std::random_device()()))) {
        std::filesystem::create_directories(root_);
    }
    ~TempFolder() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored)) {
            MakeWritable(entry.path());
        }
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in a backslash.
    [[nodiscard]] ByteText Folder() const {
        std::string folder = root_.string() + "\\";
        for (char& c : folder) c = c == '/' ? '\\' : c;
        return ByteText(std::move(folder));
    }
    [[nodiscard]] ByteText Path(std::string_view name) const {
        return ConcatText(Folder(), ByteText(name));
    }

    void Write(std::string_view name, std::string_view bytes) const {
        std::filesystem::create_directories(Native(name).parent_path());
        std::ofstream(Native(name), std::ios::binary).write(bytes.data(), bytes.size());
    }
    [[nodiscard]] std::string Read(std::string_view name) const {
        std::ifstream file(Native(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    [[nodiscard]] bool Exists(std::string_view name) const {
        return std::filesystem::exists(Native(name));
    }
    [[nodiscard]] int EntryCount() const {
        const std::filesystem::recursive_directory_iterator all(root_);
        return static_cast<int>(std::distance(begin(all), end(all)));
    }
    // The read-only attribute on Windows; no write bits on POSIX.
    void MakeReadOnly(std::string_view name) const {
        std::filesystem::permissions(Native(name),
                                     std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
    }

    // The file system's own path of a name below the folder.
    [[nodiscard]] std::filesystem::path Native(std::string_view name) const {
        std::string relative(name);
        for (char& c : relative) c = c == '\\' ? '/' : c;
        return root_ / relative;
    }

  private:
    static void MakeWritable(const std::filesystem::path& path) {
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
    }

    std::filesystem::path root_;
};

}  // namespace text
