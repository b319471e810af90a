// Plain-text files read as formatted scanning reads them: words separated by
// any run of blanks, tabs and line breaks. The data files and the saved game
// share this reader, so a word one of them writes is a word the other reads.
#pragma once

#include <string>
#include <string_view>

// The words of a text, in order.
class Words {
public:
    explicit Words(std::string_view text) : text_(text) {}

    // The next word, or false at the end of the text.
    bool Next(std::string_view& word);

    // The next word as a whole decimal int; false when it is missing (then
    // Ended() is true) or does not scan (a word that is not a number, or one
    // beyond an int).
    bool NextInt(int& value);
    bool Ended() const { return ended_; }

    // True when only white space is left; consumes nothing but that.
    bool AtEnd();

private:
    std::string_view text_;
    size_t pos_ = 0;
    bool ended_ = false;  // the last NextInt found no word at all
};

// A word a name field can hold: at most `capacity` - 1 bytes, none of them a
// control byte (below 32: a NUL, an escape, a bell...). White space never
// reaches a word.
bool FitsField(std::string_view word, int capacity);

enum class FileRead { Ok, CannotOpen, CannotRead };
// The whole content of the file at `path` into `text`.
FileRead ReadWholeFile(const std::string& path, std::string& text);
