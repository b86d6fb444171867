#pragma once
#include <string>
#include <vector>

namespace trktool {
// `trktool render IN OUT.png [--size WxH] [--zoom Z] [--wireframe] [--detail 1-4]`.
// args holds the words after "render". Returns the exit code.
int RunRenderCommand(const std::vector<std::string>& args);
} // namespace trktool
