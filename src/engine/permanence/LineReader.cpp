// Line reading over a chunk buffer, so that a line costs one scan of its bytes.
#include "permanence/LineReader.h"

#include "settings/SettingsIo.h"

#include <algorithm>
#include <istream>

namespace quendra {

namespace {

constexpr std::size_t ChunkSize = std::size_t{64} << 10;

} // namespace

LineReader::LineReader(std::istream& in, std::size_t heldLineLimit)
    : source_(in.rdbuf()), heldLineLimit_(heldLineLimit), chunk_(ChunkSize) {}

bool LineReader::fill() {
    if (pos_ < end_) {
        return true;
    }
    pos_ = 0;
    end_ = 0;
    if (source_ == nullptr) {
        return false;
    }
    const std::streamsize got =
        source_->sgetn(chunk_.data(), static_cast<std::streamsize>(ChunkSize));
    end_ = got > 0 ? static_cast<std::size_t>(got) : 0;
    return end_ > 0;
}

bool LineReader::atEnd() {
    if (!fill()) {
        return true;
    }
    if (afterCr_ && chunk_[pos_] == '\n') {
        afterCr_ = false;
        ++pos_;
        return !fill();
    }
    return false;
}

void LineReader::keep(const char* from, std::size_t count) {
    if (lineLength_ <= heldLineLimit_) {
        const std::size_t room = heldLineLimit_ - lineLength_;
        line_->append(from, std::min(count, room));
        if (count > room) {
            firstDropped_ = from[room];
        }
    }
    lineLength_ += count;
}

bool LineReader::next(std::string& line) {
    if (atEnd()) {
        return false;
    }
    line.clear();
    line_ = &line;
    lineLength_ = 0;
    firstDropped_ = '\0';
    numberRow_ = true;
    afterCr_ = false;
    bool ended = false;
    while (!ended && fill()) {
        const char* begin = chunk_.data() + pos_;
        const char* stop = chunk_.data() + end_;
        const char* p = begin;
        while (p != stop && *p != '\n' && *p != '\r') {
            numberRow_ = numberRow_ && isNumberRowByte(*p);
            ++p;
        }
        keep(begin, static_cast<std::size_t>(p - begin));
        pos_ += static_cast<std::size_t>(p - begin);
        if (p != stop) {
            afterCr_ = *p == '\r';
            ++pos_;
            ended = true;
        }
    }
    if (numberRow_ && lineLength_ > heldLineLimit_ && firstDropped_ != ' ') {
        const std::size_t blank = line.rfind(' ');
        line.resize(blank == std::string::npos ? 0 : blank);
    }
    line_ = nullptr;
    ++lineNumber_;
    return true;
}

TextFile::TextFile(const std::filesystem::path& name, std::size_t heldLineLimit)
    : name_(name), heldLineLimit_(heldLineLimit), stream_(name, std::ios::in | std::ios::binary),
      lines_(stream_, heldLineLimit) {}

bool TextFile::rewind() {
    stream_.clear();
    stream_.seekg(0);
    if (!stream_) {
        return false;
    }
    lines_ = LineReader(stream_, heldLineLimit_);
    return true;
}

std::unique_ptr<TextFile> TextFile::open(const std::filesystem::path& name,
                                         std::size_t heldLineLimit) {
    if (!isExistingFile(name.string())) {
        return nullptr;
    }
    std::unique_ptr<TextFile> file(new TextFile(name, heldLineLimit));
    if (!file->stream_.is_open()) {
        return nullptr;
    }
    return file;
}

} // namespace quendra
