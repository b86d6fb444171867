#include "edit/Messages.h"

namespace td {

const char* const SaveFailedTitle = "Save Track";
const char* const OpenFailedTitle = "Open Track";

std::string UnsavedChangesText() {
    return "The current track has changes that are not saved.\nDo you want to save them first?";
}

std::string SaveFailedText(const std::string& path, const std::string& error) {
    std::string text = "The track could not be saved to\n" + path;
    if (!error.empty())
        text += "\n\n" + error;
    return text;
}

std::string AutosaveFailedText(const std::string& path, const std::string& error) {
    std::string text = "The automatic save of the track could not write\n" + path;
    if (!error.empty())
        text += "\n\n" + error;
    return text;
}

std::string RecoveryOfferText(const std::string& track, const std::string& recoveryFile) {
    std::string text = "The editor was not closed normally last time, and changes to ";
    text += track.empty() ? std::string("a track without a file name") : "\n" + track;
    text += "\nwere not saved. The autosave kept them in\n" + recoveryFile +
            "\n\nDo you want to restore them? (No discards them.)";
    return text;
}

std::string LaneNameDamageText(const std::string& path, int line) {
    return "In the file\n" + path + "\nline " + std::to_string(line) +
           " begins like a number but is read as the name of a new lane: the line is "
           "probably damaged, and the lanes after it are split.\n\nThe track is shown "
           "as read. It has no file name, so that saving cannot overwrite the original "
           "file with it.";
}

std::string OpenFailedText(const std::string& path, const std::string& reason) {
    std::string text = "The file could not be opened:\n" + path;
    if (!reason.empty())
        text += "\n\n" + reason;
    return text;
}

std::string LoadStoppedText(const std::string& path, int line, const std::string& reason) {
    std::string text = "Reading the file\n" + path + "\nstopped at line " + std::to_string(line);
    if (!reason.empty())
        text += ": " + reason;
    text += ".\n\nThe part read so far is shown. It has no file name, so that saving "
            "cannot overwrite the original file with it.";
    return text;
}

} // namespace td

namespace td {

const char* const SymbolInUseTitle = "Space Type Already In Use";

std::string SymbolInUseText() {
    return "The space type you have chosen can only be selected once and\r\n"
           "is already in use elsewhere on the track.\r\n"
           "Please clear the previous usage of the space type, or choose another.";
}

} // namespace td
