// The wheel distribution's figures: quadrants, labels, the ring of bars and the replay.
#include "statistics/WheelDistribution.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quendra {
namespace {

struct Quadrant {
    std::array<int, 9> numbers;
    std::string_view hint;
};

constexpr std::array<Quadrant, QuadrantCount> FrenchQuadrants{{
    {{3, 7, 12, 18, 22, 26, 28, 29, 35}, "26,3 .. 18,22"},
    {{1, 5, 9, 14, 16, 20, 24, 31, 33}, "9,31 .. 24,5"},
    {{6, 8, 10, 11, 13, 23, 27, 30, 36}, "10,23 .. 27,6"},
    {{2, 4, 15, 17, 19, 21, 25, 32, 34}, "34,17 .. 15,32"},
}};

constexpr std::array<Quadrant, QuadrantCount> AmericanQuadrants{{
    {{2, 4, 6, 14, 16, 21, 23, 33, 35}, "2,14 .. 21,6"},
    {{8, 10, 12, 18, 19, 25, 27, 29, 31}, "18,31 .. 10,27"},
    {{1, 3, 5, 13, 15, 22, 24, 34, 36}, "1,13 .. 22,5"},
    {{7, 9, 11, 17, 20, 26, 28, 30, 32}, "17,32 .. 9,28"},
}};

const std::array<Quadrant, QuadrantCount>& quadrantsOf(TableType table) {
    return table == TableType::French ? FrenchQuadrants : AmericanQuadrants;
}

constexpr int LabelColumnLeft = 30;
constexpr int LabelColumnRight = 560;
constexpr int LabelTop = 60;
constexpr int LabelStep = 15;

Colour colourByLetter(const PocketRecord& pocket) {
    switch (pocket.colour) {
    case 'R':
        return Colour::Red;
    case 'S':
        return Colour::Black;
    case 'H':
        return Colour::Zero;
    default:
        return colourOf(pocket.number);
    }
}

std::optional<int> positiveNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string wheelDistributionCaption(StatisticsSource source, Language language,
                                     const AnalysisBookkeeping& analysis) {
    if (source == StatisticsSource::Game) {
        return std::string(WheelDistributionWord[language]);
    }
    return analysisWindowCaption(analysis, language, WheelDistributionWord[language]);
}

std::optional<int> quadrantOf(TableType table, int number) {
    const auto& quadrants = quadrantsOf(table);
    for (std::size_t q = 0; q < quadrants.size(); ++q) {
        const auto& numbers = quadrants[q].numbers;
        if (std::find(numbers.begin(), numbers.end(), number) != numbers.end()) {
            return static_cast<int>(q) + 1;
        }
    }
    return std::nullopt;
}

std::string_view quadrantHint(TableType table, int quadrant) {
    if (quadrant < 1 || quadrant > QuadrantCount) {
        return {};
    }
    return quadrantsOf(table)[static_cast<std::size_t>(quadrant - 1)].hint;
}

std::array<std::int64_t, QuadrantCount> quadrantSums(TableType table,
                                                     std::span<const std::int32_t> counts) {
    std::array<std::int64_t, QuadrantCount> sums{};
    for (std::size_t number = 0; number < counts.size(); ++number) {
        if (const auto quadrant = quadrantOf(table, static_cast<int>(number))) {
            sums[static_cast<std::size_t>(*quadrant - 1)] += counts[number];
        }
    }
    return sums;
}

PlacedText totalLabel(int total, Language language) {
    return {"LAZahl_Anz", std::string(TotalWord[language]) + ": " + std::to_string(total), 30, 30};
}

PlacedText toDisplayLabel(int remaining, Language language) {
    return {"AKZahl_Anz", std::string(ToDisplayWord[language]) + ": " + std::to_string(remaining),
            530, 30};
}

std::vector<PlacedText> numberLabels(const CounterArray& counters, TableType table) {
    const int numbers = pocketCount(table);
    const int leftColumn = table == TableType::French ? 18 : 19;
    std::vector<PlacedText> labels;
    for (int n = 0; n < numbers; ++n) {
        const std::string count = std::to_string(counters[static_cast<std::size_t>(n)]);
        const std::string separator = n <= 9 ? "   = " : " = ";
        const bool left = n < leftColumn;
        labels.push_back({"DIZahl_" + std::to_string(n), numberText(n) + separator + count,
                          left ? LabelColumnLeft : LabelColumnRight,
                          LabelTop + LabelStep * (left ? n : n - leftColumn)});
    }
    return labels;
}

std::array<std::int32_t, DoubleZero + 1> staticCounts(const CounterArray& counters) {
    std::array<std::int32_t, DoubleZero + 1> counts{};
    std::copy_n(counters.begin(), counts.size(), counts.begin());
    return counts;
}

WheelPicture wheelPicture(std::span<const PocketRecord> pocketTable, TableType table,
                          const CounterArray& counters, std::span<const std::int32_t> shown,
                          LayoutSize client) {
    WheelPicture picture;
    const int pockets = pocketCount(table);
    picture.centre = {client.width / 2, client.height / 2};
    picture.maximum =
        std::max<int>(1, *std::max_element(counters.begin() + 1, counters.begin() + pockets));
    picture.scale = static_cast<double>(DistributionBarRadius) / picture.maximum;
    picture.backgroundRadius = static_cast<int>(std::lround(picture.maximum * picture.scale));
    picture.ringRadius = picture.backgroundRadius + DistributionRingWidth;
    picture.quadrantSums = quadrantSums(table, shown);

    const double cx = picture.centre.x;
    const double cy = picture.centre.y;
    int pocket = 0;
    for (const PocketRecord& record : pocketTable) {
        ++pocket;
        WheelSegment segment;
        segment.number = record.number;
        segment.colour = colourByLetter(record);
        segment.startAngle = pocketStartAngle(table, pocket);
        segment.endAngle = pocketEndAngle(table, pocket);
        segment.start = pointOnWheel(cx, cy, DistributionBarRadius, segment.startAngle);
        segment.end = pointOnWheel(cx, cy, DistributionBarRadius, segment.endAngle);
        segment.labelPoint =
            pointOnWheel(cx, cy, DistributionLabelRadius, pocketCentreAngle(table, pocket));
        segment.label = numberText(record.number);
        segment.count = record.number < shown.size() ? shown[record.number] : 0;
        segment.barRadius = static_cast<int>(std::lround(segment.count * picture.scale));
        picture.segments.push_back(std::move(segment));
    }
    return picture;
}

int replayInterval(std::string_view chosenItem, std::string_view typedText) {
    if (const auto item = positiveNumber(chosenItem)) {
        return *item;
    }
    return positiveNumber(typedText).value_or(DefaultReplayInterval);
}

WheelReplay::WheelReplay(TableType table, int total)
    : pocketCount_(pocketCount(table)), total_(total), remaining_(total) {}

WheelReplay::Click WheelReplay::click() {
    if (total_ <= 0) {
        return Click::None;
    }
    switch (button_) {
    case Button::Running:
        button_ = Button::Stopped;
        return Click::Stopped;
    case Button::Stopped:
        restart();
        button_ = Button::Running;
        return Click::Restarted;
    case Button::Ready:
        break;
    }
    button_ = Button::Running;
    return Click::Started;
}

bool WheelReplay::tick(std::span<const std::uint8_t> history) {
    if (button_ != Button::Running) {
        return false;
    }
    // A history shorter than the total (the counters went on past a full history) ends the
    // replay at its last entry instead of reading beyond it.
    if (position_ > static_cast<int>(history.size())) {
        button_ = Button::Stopped;
        return false;
    }
    int entry = history[static_cast<std::size_t>(position_ - 1)];
    if (entry > BlackCodeOffset) {
        entry -= BlackCodeOffset;
    }
    const bool number = entry < pocketCount_;
    if (number) {
        ++counts_[static_cast<std::size_t>(entry)];
        --remaining_;
    } else {
        ++separators_;
    }
    ++position_;
    if (total_ + separators_ < position_) {
        button_ = Button::Stopped;
        return false;
    }
    return true;
}

void WheelReplay::close() {
    button_ = Button::Ready;
}

std::string_view WheelReplay::buttonText() const {
    return button_ == Button::Running ? "Stop" : "Start";
}

void WheelReplay::restart() {
    position_ = 1;
    separators_ = 0;
    remaining_ = total_;
    counts_.fill(0);
}

} // namespace quendra
