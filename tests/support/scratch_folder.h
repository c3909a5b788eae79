#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vexel::testsupport {

// A fresh folder, removed with everything in it when the object goes,
// whatever permissions a test left on it. By default under $TMPDIR (or the
// system's temporary folder).
class ScratchFolder {
public:
    explicit ScratchFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path());
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Under /dev/shm where there is one: every save of the records syncs to
    // disk, and long runs should measure the game rather than the disk.
    static std::filesystem::path memoryBacked();

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A whole file's bytes; empty when it cannot be read.
std::string readBytes(const std::string& path);
// Replaces a file's bytes (not atomically: for setting up tests only).
void writeBytes(const std::string& path, const std::string& bytes);
// The names in a folder, sorted.
std::vector<std::string> entries(const std::filesystem::path& folder);

} // namespace vexel::testsupport
