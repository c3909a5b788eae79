#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vexel::robustness {

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it,
// whatever permissions a test left on it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path());
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
// Names in a folder, sorted.
std::vector<std::string> entries(const std::filesystem::path& folder);

} // namespace vexel::robustness
