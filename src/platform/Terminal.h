#pragma once

namespace platform {

// Whether the process's standard error goes to a terminal (a person watching), not to a file or
// a pipe (a script reading).
bool StandardErrorIsTerminal();

}  // namespace platform
