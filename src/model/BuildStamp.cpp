#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <string_view>

#include "Version.h"
#include "model/TrackFile.h"

namespace td {

namespace {

// The file reads a comma as the end of a value, so none may be written.
std::string WithoutCommas(std::string s) {
    for (char& c : s)
        if (c == ',')
            c = ' ';
    return s;
}

std::string FormatTime(const std::tm& tm, const char* format, const std::locale& loc) {
    std::ostringstream os;
    os.imbue(loc);
    os << std::put_time(&tm, format);
    return WithoutCommas(os.str());
}

bool SourceDateEpoch(std::time_t& out) {
    const char* env = std::getenv("SOURCE_DATE_EPOCH");
    if (!env || !*env)
        return false;
    const std::string_view text(env);
    long long v = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || v < 0)
        return false;
    out = static_cast<std::time_t>(v);
    return true;
}

std::locale UserLocale() {
    try {
        return std::locale("");
    } catch (...) {
        return std::locale::classic();
    }
}

} // namespace

BuildStamp CurrentBuildStamp() {
    BuildStamp stamp;
    stamp.Version = TD_VERSION_STRING;
    std::tm tm{};
    std::time_t epoch = 0;
    if (SourceDateEpoch(epoch)) {
        // A reproducible stamp: UTC, and the same text whatever the locale.
        gmtime_r(&epoch, &tm);
        stamp.Date = FormatTime(tm, "%m/%d/%Y", std::locale::classic());
        stamp.Time = FormatTime(tm, "%H:%M:%S", std::locale::classic());
        return stamp;
    }
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &tm);
    const std::locale loc = UserLocale();
    stamp.Date = FormatTime(tm, "%x", loc);
    stamp.Time = FormatTime(tm, "%X", loc);
    return stamp;
}

} // namespace td
