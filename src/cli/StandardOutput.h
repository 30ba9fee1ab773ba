#pragma once
// The command's standard output, checked: a full disk or a closed pipe is a
// failure the user hears about on stderr and in the exit code, not a
// silently truncated result.

#include <string_view>

namespace fg::cli {

class StandardOutput {
public:
    // `command` names the subcommand in the failure message.
    explicit StandardOutput(const char* command) : m_command(command) {}

    // Writes the text; false once anything written has failed (reported
    // once).
    bool write(std::string_view text);
    // Flushes and closes stdout; false when that or an earlier write failed.
    bool finish();

private:
    bool fail();

    const char* m_command;
    bool m_failed = false;
};

}  // namespace fg::cli
