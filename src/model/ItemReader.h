#pragma once
// Splits track file text into items the way the game's reader does: blanks
// and tabs before an item are skipped; a quoted item runs to the closing
// quote; an unquoted text item runs to the next comma or the end of the line;
// a numeric item ends at the next blank, tab, comma or end of line. After a
// numeric or quoted item, the blanks and tabs that follow and one comma are
// passed over. After the last item of a line reading goes on with the next
// line.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace td {

class ItemReader {
  public:
    explicit ItemReader(std::string_view text);

    // True when nothing but blanks and line breaks is left: blank lines
    // after the last record end the file rather than start a new record.
    bool AtEnd() const { return !hasLine_ || pos_ >= contentEnd_; }
    // Line (from 1) the next item comes from; after the end, the last line.
    int Line() const { return line_; }
    // Bytes not yet consumed; every item consumes at least one.
    std::size_t RemainingBytes() const { return text_.size() - pos_; }

    // The next item as text, then the rest of its line is dropped (for the
    // lines that hold one value). False at the end of the text. `quoted`
    // tells whether the item was in double quotes.
    bool ReadLineText(std::string_view& item, bool* quoted = nullptr);
    // The next item as a numeric item (a quoted item is taken whole).
    bool ReadToken(std::string_view& token);
    // True when the next item is an unquoted number.
    bool NextIsNumber();

  private:
    void StartLine(std::size_t at);
    void SkipBlanks();
    void FinishItem();
    void NextLine();

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t lineEnd_ = 0;    // end of the current line's content (no CR LF)
    std::size_t nextLine_ = 0;   // start of the following line
    std::size_t contentEnd_ = 0; // just after the last byte that is not a blank or line break
    int line_ = 0;
    bool hasLine_ = false;
};

enum class NumberParse { Ok, NotANumber, TooLarge };

// Parses a whole token in any form the writer produces (and plain decimals
// or exponents in general). Text that is not a number is NotANumber.
NumberParse ParseDouble(std::string_view token, double& value);
// Integers: exact for whole numbers; decimals round half to even. TooLarge
// when the result lies outside [lo, hi].
NumberParse ParseInteger(std::string_view token, std::int64_t lo, std::int64_t hi,
                         std::int64_t& value);
// Single precision; TooLarge beyond the float range.
NumberParse ParseSingle(std::string_view token, float& value);

// True when the game's reader would take the start of `text` (blanks
// skipped) for a number: "12", "-3 x", "2nd", "12<NUL>.5".
bool ReadsAsNumber(std::string_view text);

} // namespace td
