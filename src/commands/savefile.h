#pragma once

#include <string>
#include <string_view>

namespace commands {

// Makes a write the system refuses fail with its error instead of ending
// the program: a reader that went away (SIGPIPE) gives "Broken pipe", a
// file past the size limit of `ulimit -f` (SIGXFSZ) "File too large", and
// every writer reports them as it reports a full disk. The program calls it
// at start in every mode, and the application object calls it too, since
// the toolkit writes files of its own (the file dialog's settings) where a
// limit would otherwise end the program.
void IgnoreWriteSignals();

// Writes `bytes` as the file at `path`, whole or not at all: into a new
// file in the same folder, flushed to the disk, then renamed over the
// target, so that a full disk, a file-size limit or any other failure
// leaves no partial file and an existing file stays as it was. A symbolic
// link is followed, as editors do: its target gets the bytes (the new file
// made in the target's folder) and the link stays. A target that is not a
// regular file (a device such as /dev/stdout, a pipe) is written directly.
// The path is taken byte for byte, whatever its encoding. Returns an empty
// text on success, else the system's reason.
std::string SaveFileBytes(const std::string& path, std::string_view bytes);

// Whether a file name asks for a vector picture: it ends in ".svg", in any
// case.
bool IsSvgName(std::string_view file);

}  // namespace commands
