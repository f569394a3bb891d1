// Reading 8-bit text files line by line, one line per request: CR LF, LF and a lone CR each
// end a line, and a line may be of any length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace quendra {

// How much of one line is held in memory. A longer line is still read to its end and classed
// as a whole, but only its first HeldLineLimit bytes are kept; a number row is cut back to its
// last blank within them, so that no token is cut in two. CountCupsonFile counts by the same
// rule, so the count of a file always equals the coups its readers take from it.
inline constexpr std::size_t HeldLineLimit = std::size_t{256} << 20;

// Line classes: a number row holds only blanks, minus signs and decimal digits (an empty line
// is one too); every other line is a comment line.
constexpr bool isNumberRowByte(char c) {
    return c == ' ' || c == '-' || (c >= '0' && c <= '9');
}

class LineReader {
public:
    explicit LineReader(std::istream& in, std::size_t heldLineLimit = HeldLineLimit);

    // Reads the next line, without its line end, into `line`; false at the end of the input.
    // A read error ends the input like its end does.
    bool next(std::string& line);
    // No byte is left to read.
    bool atEnd();
    // Whether the line last read, as a whole, is a number row.
    bool numberRow() const { return numberRow_; }
    // Lines read so far.
    std::int64_t lineNumber() const { return lineNumber_; }

private:
    bool fill();
    void keep(const char* from, std::size_t count);

    std::streambuf* source_;
    std::size_t heldLineLimit_;
    std::vector<char> chunk_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool afterCr_ = false; // the last line ended in CR: an LF right behind it belongs to it
    bool numberRow_ = true;
    std::int64_t lineNumber_ = 0;
    // Of the line being read: its length so far and the first byte beyond the held part.
    std::size_t lineLength_ = 0;
    char firstDropped_ = '\0';
    std::string* line_ = nullptr;
};

// A text file opened for reading with its line reader, as the readers keep it open between
// calls. Opened in binary mode so that the readers see every byte.
class TextFile {
public:
    // nullptr when the name is empty, names no file, names a folder, or cannot be opened.
    static std::unique_ptr<TextFile> open(const std::filesystem::path& name,
                                          std::size_t heldLineLimit = HeldLineLimit);

    const std::filesystem::path& name() const { return name_; }
    LineReader& lines() { return lines_; }
    // Back to the first line of the file; false when the file cannot be read from its start.
    bool rewind();

    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

private:
    TextFile(const std::filesystem::path& name, std::size_t heldLineLimit);

    std::filesystem::path name_;
    std::size_t heldLineLimit_;
    std::ifstream stream_;
    LineReader lines_;
};

} // namespace quendra
