#pragma once
// The commands of trktool that work on track files.

#include <ostream>
#include <string>
#include <vector>

#include "model/Track.h"

namespace trktool {

using Args = std::vector<std::string>;

int NewTemplate(int lanes, const std::string& out, std::ostream& err);
int Resave(const std::string& in, const std::string& out, std::ostream& err);
int Info(const std::string& in, std::ostream& out, std::ostream& err);
int Check(const std::string& in, std::ostream& out, std::ostream& err);
int Generate(const Args& args, std::ostream& out, std::ostream& err);
int Outline(const Args& args, std::ostream& err);
int Import(const Args& args, std::ostream& out, std::ostream& err);

// The Tools commands: IN is read, the tool runs, OUT is written.
int Segments(const std::string& in, const std::string& out, std::ostream& os, std::ostream& err);
int AutoTag(const std::string& in, const std::string& out, std::ostream& os, std::ostream& err);
// autotag --corners [--all] IN OUT: the corner links, as the arrows allow or all.
int AutoTagCornersCommand(const Args& args, std::ostream& os, std::ostream& err);
int Grid(bool tight, const std::string& in, const std::string& out, std::ostream& os,
         std::ostream& err);
int Center(const std::string& in, const std::string& out, std::ostream& os, std::ostream& err);
int Measure(const std::string& in, const std::string& out, std::ostream& os, std::ostream& err);

// The spaces reached in exactly COUNT moves from SPACE, one reference a line.
int Moves(const std::string& in, const std::string& space, const std::string& count,
          std::ostream& out, std::ostream& err);
// The lap along each racing lane and the shortest lap, as trktool info shows them.
void PrintLaps(const td::Track& track, std::ostream& out);

// Loads a track that must read to its end; reports why not on err.
bool LoadWhole(td::Track& track, const std::string& path, std::ostream& err);
// Saves through SaveTrack; reports a failure on err.
bool Save(td::Track& track, const std::string& path, std::ostream& err);
// An option's whole number: all of `text`, between lo and hi.
bool ParseCount(const std::string& text, int lo, int hi, int& value);

} // namespace trktool
