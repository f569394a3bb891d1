// The wheel distribution: how often each pocket won as a ring of bars in wheel order, the sums
// of the four wheel quadrants, the number labels, and the step-by-step replay of the history.
#pragma once

#include "statistics/StatisticsView.h"
#include "table/BetField.h"
#include "table/PocketRecord.h"
#include "table/WheelGeometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

// The window's client area; the wheel's centre is its middle.
inline constexpr LayoutSize WheelDistributionClient{630, 569};
// The longest bar reaches this radius; the coloured ring is this much wider than the longest bar.
inline constexpr int DistributionBarRadius = 190;
inline constexpr int DistributionRingWidth = 22;
inline constexpr int DistributionLabelRadius = 200;

inline constexpr BilingualText WheelDistributionWord{"Kesselverteilung", "Wheeldistribution"};
inline constexpr BilingualText DelayWord{"Verzögerung", "Delay"};
inline constexpr BilingualText ToDisplayWord{"Anzuzeigende", "To display"};

// "Kesselverteilung", or the analysed files, four blanks and "Kesselverteilung".
std::string wheelDistributionCaption(StatisticsSource source, Language language,
                                     const AnalysisBookkeeping& analysis);

// Quadrants 1 to 4, each nine consecutive pockets of the wheel; the zeros belong to none.
inline constexpr int QuadrantCount = 4;
// The quadrant (1-4) of a number on the table; nullopt for the zeros and anything else.
std::optional<int> quadrantOf(TableType table, int number);
// The hint of `Label1` to `Label4`: the first two and the last two numbers of the arc.
std::string_view quadrantHint(TableType table, int quadrant);
inline constexpr std::string_view QuadrantWord = "Quadrant ";

// The counts per number summed by quadrant; counts is indexed by number (0-37).
std::array<std::int64_t, QuadrantCount> quadrantSums(TableType table,
                                                     std::span<const std::int32_t> counts);

// "Gesamt: " + total, the label `LAZahl_Anz` at (30, 30).
PlacedText totalLabel(int total, Language language);
// "Anzuzeigende: " + remaining, the label `AKZahl_Anz` at (530, 30), shown in the replay only.
PlacedText toDisplayLabel(int remaining, Language language);

// The labels `DIZahl_0` to `DIZahl_` N − 1: "7   = 12", "23 = 4", "00 = 2", always with the
// source's counts; the first 18 (French) or 19 (American) numbers in a left column, the rest
// in a right one. A French window hides a `DIZahl_37` left over from the American table.
std::vector<PlacedText> numberLabels(const CounterArray& counters, TableType table);

// One pocket of the ring, in `PocketTable` order. Angles follow the wheel picture's convention
// (WheelGeometry.h); the points lie at DistributionBarRadius and close the ring exactly.
struct WheelSegment {
    int number = 0;
    Colour colour = Colour::Zero; // by the pocket's colour letter
    double startAngle = 0;
    double endAngle = 0;
    WheelPoint start;
    WheelPoint end;
    WheelPoint labelPoint; // the number is centred here, at DistributionLabelRadius
    std::string label;     // "0" ... "36", "00"
    std::int32_t count = 0;
    int barRadius = 0;
};

struct WheelPicture {
    WheelPoint centre;
    // The largest count of the source over pockets 1 to N − 1 (the zero left out, the double
    // zero in), at least 1; the replay scales by it too, so its bars grow to their final length.
    int maximum = 1;
    double scale = 0;         // DistributionBarRadius / maximum
    int backgroundRadius = 0; // the white bar background
    int ringRadius = 0;       // the coloured ring with the numbers
    std::vector<WheelSegment> segments;
    std::array<std::int64_t, QuadrantCount> quadrantSums{};
};

// The picture for the given source counters; `shown` holds the counts the bars show, by number
// (the source counters themselves, or the replay's counts).
WheelPicture wheelPicture(std::span<const PocketRecord> pocketTable, TableType table,
                          const CounterArray& counters, std::span<const std::int32_t> shown,
                          LayoutSize client = WheelDistributionClient);

// The source counters as counts by number, for a static picture.
std::array<std::int32_t, DoubleZero + 1> staticCounts(const CounterArray& counters);

// The delay items of `DynTimer`; "1000" is chosen when the window opens.
inline constexpr std::array<std::string_view, 4> DelayItems{"1", "10", "100", "1000"};
inline constexpr int DefaultReplayInterval = 1000;
// The timer interval: the chosen item's number, else the typed text's number, else 1000. A
// number below 1 counts as none: an interval of 0 would never tick.
int replayInterval(std::string_view chosenItem, std::string_view typedText);

// The replay of the dynamic wheel distribution. It walks the history from its first entry over
// as many entries as the total plus the day separators it meets, counting each coup's number.
class WheelReplay {
public:
    enum class Button : std::uint8_t { Ready = 1, Running = 2, Stopped = 3 };
    enum class Click : std::uint8_t {
        None,      // the total is 0: nothing to replay
        Started,   // the timer runs
        Restarted, // the replay went back to its first entry and runs: labels and bars anew
        Stopped,   // the timer stopped
    };

    // Opening the window: position 1, every count 0, the remaining count at the total.
    WheelReplay(TableType table, int total);

    Click click();
    // One timer tick over the source history; false when the tick ended the replay (the timer
    // stopped, the button went to Stopped).
    bool tick(std::span<const std::uint8_t> history);
    // OK: the timer stops and the button is ready again.
    void close();

    Button button() const { return button_; }
    bool timerRunning() const { return button_ == Button::Running; }
    // "Start", or "Stop" while running.
    std::string_view buttonText() const;
    int position() const { return position_; }
    int remaining() const { return remaining_; }
    int separators() const { return separators_; }
    std::span<const std::int32_t> counts() const { return counts_; }

private:
    void restart();

    int pocketCount_;
    int total_;
    Button button_ = Button::Ready;
    int position_ = 1;
    int separators_ = 0;
    int remaining_ = 0;
    std::array<std::int32_t, DoubleZero + 1> counts_{};
};

} // namespace quendra
