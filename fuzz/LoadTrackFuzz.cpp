// libFuzzer entry point for the track file reader: any bytes must read
// without a crash, a hang or unbounded allocation, and whatever was read
// must write out and read back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/TrackFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    td::Track track;
    td::LoadTrackFromText(track, text);

    // What the writer makes of it must read back whole. Plain texts of the
    // header may lose leading blanks or the part after a comma on the first
    // round trip; after that the text must not change any more.
    const td::BuildStamp stamp{"d", "t", "v"};
    const std::string once = td::FormatTrack(track, stamp);
    td::Track again;
    if (!td::LoadTrackFromText(again, once).complete)
        std::abort();
    const std::string twice = td::FormatTrack(again, stamp);
    td::Track third;
    if (!td::LoadTrackFromText(third, twice).complete || td::FormatTrack(third, stamp) != twice)
        std::abort();
    // Lanes, spaces, corners and polygons survive the first round trip.
    if (again.Lanes.size() != track.Lanes.size() || again.Corners.size() != track.Corners.size() ||
        again.BackPolys.size() != track.BackPolys.size())
        std::abort();

    // Normalising never loses a lane and is stable.
    td::NormalizeLaneOrder(track);
    const std::string normalised = td::FormatTrack(track, stamp);
    td::NormalizeLaneOrder(track);
    if (td::FormatTrack(track, stamp) != normalised)
        std::abort();
    return 0;
}
