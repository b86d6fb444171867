// libFuzzer entry point for the track file reader alone: any bytes must read
// without a crash, a hang or unbounded allocation. Lighter than the round
// trip of LoadTrackFuzz, so that it tries many more inputs in the same time.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/TrackFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    td::Track track;
    td::LoadTrackFromText(track, std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
