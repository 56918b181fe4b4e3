#pragma once

#include <string>
#include <string_view>

namespace app {

// Writes `bytes` as the file at `path`, whole or not at all: into a new
// file in the same folder, flushed to the disk, then renamed over the
// target, so that a full disk or any other failure leaves no partial file
// and an existing file stays as it was. A target that is not a regular
// file (a device such as /dev/stdout, a pipe) is written directly. The path
// is taken byte for byte, whatever its encoding. Returns an empty text on
// success, else the system's reason.
std::string SaveFileBytes(const std::string& path, std::string_view bytes);

}  // namespace app
