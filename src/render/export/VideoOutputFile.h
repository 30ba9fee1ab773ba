#pragma once
// The file a streamed export is written into while its frames come: a
// temporary file beside the chosen name, renamed over it only when the whole
// file is written, as writeFileBytes does for files written at once. A file
// that is not finished is removed, so a failure or a cancel leaves the
// earlier file as it was and never a partial one under the chosen name.

#include <filesystem>

namespace fg {

class VideoOutputFile {
public:
    VideoOutputFile() = default;
    ~VideoOutputFile();
    VideoOutputFile(const VideoOutputFile&) = delete;
    VideoOutputFile& operator=(const VideoOutputFile&) = delete;

    // Decides where the bytes go for `target`: a symbolic link is written
    // through; a device or a pipe is written into directly; otherwise a new
    // temporary file. 0, or the errno that refuses the target (a folder, a
    // read-only file, a folder that takes no new file).
    int open(const std::filesystem::path& target);
    // Where the writer puts the bytes.
    const std::filesystem::path& writePath() const { return m_writing; }
    // After the writer closed the file: flushes it to disk and renames it
    // over the target. 0 or the errno of the failure (the temporary file is
    // then gone).
    int commit();
    // Removes an unfinished temporary file (also when destroyed).
    void discard();

private:
    std::filesystem::path m_target;
    std::filesystem::path m_writing;
    bool m_temporary = false;
};

}  // namespace fg
