// Words of a text and whole files, for the data files and the saved game.
#include "data/words.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The white space of formatted scanning in the C locale.
bool IsBlank(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f';
}

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

}  // namespace

bool Words::AtEnd() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    return pos_ == text_.size();
}

bool Words::Next(std::string_view& word) {
    if (AtEnd()) return false;
    const size_t start = pos_;
    while (pos_ < text_.size() && !IsBlank(text_[pos_])) ++pos_;
    word = text_.substr(start, pos_ - start);
    return true;
}

bool Words::NextInt(int& value) {
    std::string_view word;
    ended_ = !Next(word);
    if (ended_) return false;
    const std::string digits(word);  // strtol needs an ending NUL
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(digits.c_str(), &end, 10);
    if (end != digits.c_str() + digits.size() || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

bool FitsField(std::string_view word, int capacity) {
    if (word.size() > static_cast<size_t>(capacity - 1)) return false;
    for (char c : word)
        if (static_cast<unsigned char>(c) < 32) return false;
    return true;
}

FileRead ReadWholeFile(const std::string& path, std::string& text) {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return FileRead::CannotOpen;
    text.clear();
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) text.append(chunk, got);
    return std::ferror(file.get()) ? FileRead::CannotRead : FileRead::Ok;
}
