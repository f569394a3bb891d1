// The wheel distribution: quadrants, number labels, the scale of the bars, the ring's geometry
// on both wheels, the replay's stepping and buttons, the delay entry and the captions.
#include "statistics/WheelDistribution.h"
#include "table/Table.h"

#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace quendra {
namespace {

constexpr TableType Tables[] = {TableType::French, TableType::American};

TEST(WheelQuadrants, EachIsNineConsecutivePocketsNamedByItsEnds) {
    for (TableType table : Tables) {
        SCOPED_TRACE(static_cast<int>(table));
        const std::span<const int> wheel = wheelOrder(table);
        int inQuadrants = 0;
        for (int q = 1; q <= QuadrantCount; ++q) {
            SCOPED_TRACE(q);
            // Find the arc's first pocket from the hint and check all nine in wheel order.
            const std::string hint(quadrantHint(table, q));
            const int first = std::stoi(hint.substr(0, hint.find(',')));
            const auto start = std::find(wheel.begin(), wheel.end(), first) - wheel.begin();
            std::vector<int> arc;
            for (int k = 0; k < 9; ++k) {
                const int number = wheel[static_cast<std::size_t>(start + k) % wheel.size()];
                EXPECT_EQ(quadrantOf(table, number), q) << number;
                arc.push_back(number);
            }
            EXPECT_EQ(hint, std::to_string(arc[0]) + "," + std::to_string(arc[1]) + " .. " +
                                std::to_string(arc[7]) + "," + std::to_string(arc[8]));
        }
        for (int number = 0; number <= highestNumber(table); ++number) {
            inQuadrants += quadrantOf(table, number).has_value() ? 1 : 0;
        }
        EXPECT_EQ(inQuadrants, 36);
        EXPECT_FALSE(quadrantOf(table, 0).has_value());
        EXPECT_FALSE(quadrantOf(table, DoubleZero).has_value());
    }
    EXPECT_EQ(quadrantHint(TableType::French, 1), "26,3 .. 18,22");
    EXPECT_EQ(quadrantHint(TableType::American, 4), "17,32 .. 9,28");
    EXPECT_EQ(quadrantHint(TableType::French, 5), "");
}

TEST(WheelQuadrants, SumsLeaveTheZerosOut) {
    std::array<std::int32_t, DoubleZero + 1> counts{};
    counts[0] = 50;
    counts[DoubleZero] = 60;
    counts[26] = 2;  // French quadrant 1, American quadrant 4
    counts[3] = 5;   // French quadrant 1, American quadrant 3
    counts[34] = 7;  // French quadrant 4, American quadrant 3
    counts[10] = 11; // French quadrant 3, American quadrant 2
    EXPECT_EQ(quadrantSums(TableType::French, counts), (std::array<std::int64_t, 4>{7, 0, 11, 7}));
    EXPECT_EQ(quadrantSums(TableType::American, counts),
              (std::array<std::int64_t, 4>{0, 11, 12, 2}));
}

TEST(WheelLabels, NumberLabelsInTwoColumns) {
    CounterArray counters{};
    counters[7] = 12;
    counters[17] = 3;
    counters[23] = 4;
    counters[DoubleZero] = 2;
    const std::vector<PlacedText> french = numberLabels(counters, TableType::French);
    ASSERT_EQ(french.size(), 37u);
    EXPECT_EQ(french[7].text, "7   = 12");
    EXPECT_EQ(french[17].name, "DIZahl_17");
    EXPECT_EQ(french[17].text, "17 = 3");
    EXPECT_EQ(french[17].left, 30);
    EXPECT_EQ(french[17].top, 60 + 15 * 17);
    EXPECT_EQ(french[18].left, 560);
    EXPECT_EQ(french[18].top, 60);
    EXPECT_EQ(french[36].top, 60 + 15 * 18);

    const std::vector<PlacedText> american = numberLabels(counters, TableType::American);
    ASSERT_EQ(american.size(), 38u);
    EXPECT_EQ(american[18].left, 30);
    EXPECT_EQ(american[19].left, 560);
    EXPECT_EQ(american[19].top, 60);
    EXPECT_EQ(american[37].name, "DIZahl_37");
    EXPECT_EQ(american[37].text, "00 = 2");
    EXPECT_EQ(american[37].top, 60 + 15 * 18);

    EXPECT_EQ(totalLabel(250, Language::German).text, "Gesamt: 250");
    EXPECT_EQ(toDisplayLabel(17, Language::English).text, "To display: 17");
    EXPECT_EQ(toDisplayLabel(17, Language::German).left, 530);
}

WheelPicture staticPicture(TableType table, const CounterArray& counters) {
    const std::vector<PocketRecord> pockets = standardPocketTable(table);
    const auto counts = staticCounts(counters);
    return wheelPicture(pockets, table, counters, counts);
}

const WheelSegment& segmentOf(const WheelPicture& picture, int number) {
    return *std::find_if(picture.segments.begin(), picture.segments.end(),
                         [&](const WheelSegment& s) { return s.number == number; });
}

TEST(WheelPicture, LongestBarReachesTheScaleRadiusAndTheZeroStaysOutOfTheMaximum) {
    CounterArray counters{};
    counters[0] = 40; // longer than the scale: the zero is not in the maximum
    counters[5] = 10;
    counters[8] = 5;
    counters[9] = 3;
    const WheelPicture french = staticPicture(TableType::French, counters);
    EXPECT_EQ(french.maximum, 10);
    EXPECT_DOUBLE_EQ(french.scale, 19.0);
    EXPECT_EQ(french.backgroundRadius, 190);
    EXPECT_EQ(french.ringRadius, 212);
    EXPECT_EQ(segmentOf(french, 5).barRadius, 190);
    EXPECT_EQ(segmentOf(french, 8).barRadius, 95);
    EXPECT_EQ(segmentOf(french, 9).barRadius, 57);
    EXPECT_EQ(segmentOf(french, 0).barRadius, 760);

    // The double zero is in the American maximum.
    counters[DoubleZero] = 20;
    const WheelPicture american = staticPicture(TableType::American, counters);
    EXPECT_EQ(american.maximum, 20);
    EXPECT_EQ(segmentOf(american, DoubleZero).barRadius, 190);
    EXPECT_EQ(segmentOf(american, 9).barRadius, 29); // 28.5 rounds up
    EXPECT_EQ(staticPicture(TableType::French, counters).maximum, 10);
}

TEST(WheelPicture, WithNoCoupsTheScaleUsesOneAndNoBarIsDrawn) {
    const WheelPicture picture = staticPicture(TableType::French, CounterArray{});
    EXPECT_EQ(picture.maximum, 1);
    EXPECT_EQ(picture.backgroundRadius, 190);
    EXPECT_EQ(picture.quadrantSums, (std::array<std::int64_t, 4>{}));
    for (const WheelSegment& segment : picture.segments) {
        EXPECT_EQ(segment.barRadius, 0);
    }
}

TEST(WheelPicture, RingGeometryOnBothWheels) {
    const double pi = std::numbers::pi;
    for (TableType table : Tables) {
        SCOPED_TRACE(static_cast<int>(table));
        const WheelPicture picture = staticPicture(table, CounterArray{});
        const int n = pocketCount(table);
        ASSERT_EQ(picture.segments.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(picture.centre, (WheelPoint{315, 284}));
        // Each arc starts where the previous ended, and the last closes the ring.
        for (int i = 0; i < n; ++i) {
            const WheelSegment& segment = picture.segments[static_cast<std::size_t>(i)];
            const WheelSegment& next = picture.segments[static_cast<std::size_t>((i + 1) % n)];
            EXPECT_EQ(segment.end, next.start) << i;
            EXPECT_NEAR(segment.endAngle - segment.startAngle, 2 * pi / n, 1e-12);
        }
        EXPECT_EQ(picture.segments[0].number, wheelOrder(table)[0]);
    }
    const WheelPicture french = staticPicture(TableType::French, CounterArray{});
    // French: pocket 1 (the 10) starts straight below the centre; its number half a pocket on.
    EXPECT_EQ(french.segments[0].start, (WheelPoint{315, 284 + 190}));
    EXPECT_DOUBLE_EQ(french.segments[0].endAngle, 2 * pi / 37);
    EXPECT_EQ(french.segments[0].labelPoint, pointOnWheel(315, 284, 200, pi / 37));
    EXPECT_EQ(french.segments[0].label, "10");
    EXPECT_EQ(french.segments[0].colour, Colour::Black);
    EXPECT_EQ(segmentOf(french, 0).colour, Colour::Zero);
    // American: half a pocket earlier, so pocket 1 (the double zero) is centred straight below.
    const WheelPicture american = staticPicture(TableType::American, CounterArray{});
    EXPECT_DOUBLE_EQ(american.segments[0].startAngle, -pi / 38);
    EXPECT_DOUBLE_EQ(american.segments[0].endAngle, 2 * pi / 38 - pi / 38);
    EXPECT_EQ(american.segments[0].start, (WheelPoint{299, 473}));
    EXPECT_EQ(american.segments[0].labelPoint, (WheelPoint{315, 284 + 200}));
    EXPECT_EQ(american.segments[0].label, "00");
    EXPECT_EQ(american.segments[1].labelPoint, pointOnWheel(315, 284, 200, 2 * pi / 38));
}

TEST(WheelPicture, BarsShowTheReplayCountsScaledByTheStaticMaximum) {
    CounterArray counters{};
    counters[5] = 10;
    counters[24] = 4;
    std::array<std::int32_t, DoubleZero + 1> replayed{};
    replayed[5] = 5;
    replayed[0] = 1;
    const std::vector<PocketRecord> pockets = standardPocketTable(TableType::French);
    const WheelPicture picture = wheelPicture(pockets, TableType::French, counters, replayed);
    EXPECT_EQ(segmentOf(picture, 5).barRadius, 95);
    EXPECT_EQ(segmentOf(picture, 24).barRadius, 0);
    EXPECT_EQ(picture.quadrantSums, (std::array<std::int64_t, 4>{0, 5, 0, 0}));
}

std::vector<std::uint8_t> codes(std::initializer_list<int> entries) {
    return {entries.begin(), entries.end()};
}

TEST(WheelReplay, StepsOverSeparatorsAndStopsAfterTheLastCoup) {
    // 5 red, a day separator, 7 black, the zero: three coups.
    const std::vector<std::uint8_t> history = codes({5, 251, 57, 0, 12});
    WheelReplay replay(TableType::French, 3);
    EXPECT_EQ(replay.buttonText(), "Start");
    ASSERT_EQ(replay.click(), WheelReplay::Click::Started);
    EXPECT_EQ(replay.buttonText(), "Stop");
    struct Step {
        bool goesOn;
        int position;
        int remaining;
        int separators;
    };
    const Step steps[] = {
        {true, 2, 2, 0}, // 5
        {true, 3, 2, 1}, // a separator changes no bar and no remaining count
        {true, 4, 1, 1}, // 7
        {false, 5, 0, 1} // the zero is the third coup: the replay stops before the 12
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.position);
        EXPECT_EQ(replay.tick(history), step.goesOn);
        EXPECT_EQ(replay.position(), step.position);
        EXPECT_EQ(replay.remaining(), step.remaining);
        EXPECT_EQ(replay.separators(), step.separators);
    }
    EXPECT_EQ(replay.button(), WheelReplay::Button::Stopped);
    EXPECT_EQ(replay.counts()[5], 1);
    EXPECT_EQ(replay.counts()[7], 1);
    EXPECT_EQ(replay.counts()[0], 1);
    EXPECT_EQ(replay.counts()[12], 0);
    EXPECT_FALSE(replay.tick(history)); // a late tick changes nothing
    EXPECT_EQ(replay.position(), 5);

    // Starting again from the stopped state goes back to the first entry.
    EXPECT_EQ(replay.click(), WheelReplay::Click::Restarted);
    EXPECT_EQ(replay.button(), WheelReplay::Button::Running);
    EXPECT_EQ(replay.position(), 1);
    EXPECT_EQ(replay.remaining(), 3);
    EXPECT_EQ(replay.counts()[5], 0);
    EXPECT_TRUE(replay.tick(history));
    EXPECT_EQ(replay.click(), WheelReplay::Click::Stopped);
    EXPECT_EQ(replay.buttonText(), "Start");
    replay.close();
    EXPECT_EQ(replay.button(), WheelReplay::Button::Ready);
}

TEST(WheelReplay, DoubleZeroCountsOnlyOnTheAmericanWheel) {
    const std::vector<std::uint8_t> history = codes({DoubleZero});
    WheelReplay american(TableType::American, 1);
    american.click();
    EXPECT_FALSE(american.tick(history));
    EXPECT_EQ(american.counts()[DoubleZero], 1);
    EXPECT_EQ(american.remaining(), 0);
}

TEST(WheelReplay, NothingToReplayAndAHistoryShorterThanTheTotal) {
    WheelReplay empty(TableType::French, 0);
    EXPECT_EQ(empty.click(), WheelReplay::Click::None);
    EXPECT_EQ(empty.button(), WheelReplay::Button::Ready);

    // After a statistics reset the total is smaller than the history: the oldest coups replay.
    const std::vector<std::uint8_t> history = codes({1, 2, 3, 4});
    WheelReplay afterReset(TableType::French, 2);
    afterReset.click();
    EXPECT_TRUE(afterReset.tick(history));
    EXPECT_FALSE(afterReset.tick(history));
    EXPECT_EQ(afterReset.counts()[1] + afterReset.counts()[2], 2);
    EXPECT_EQ(afterReset.counts()[3], 0);

    // Counters that went on past a full history: the replay ends with the history.
    WheelReplay beyond(TableType::French, 6);
    beyond.click();
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(beyond.tick(history));
    }
    EXPECT_FALSE(beyond.tick(history));
    EXPECT_EQ(beyond.button(), WheelReplay::Button::Stopped);
    EXPECT_EQ(beyond.position(), 5);
}

TEST(WheelReplay, IntervalFromTheChosenItemTheTypedTextOrOneSecond) {
    struct Case {
        std::string_view item;
        std::string_view typed;
        int interval;
    };
    const Case cases[] = {
        {"100", "100", 100},       {"1", "", 1},     {"", "250", 250},
        {"", "abc", 1000},         {"", "", 1000},   {"", "12x", 1000},
        {"", "0", 1000},           {"", "-5", 1000}, {"", " 50", 1000},
        {"", "99999999999", 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.item) + "|" + std::string(c.typed));
        EXPECT_EQ(replayInterval(c.item, c.typed), c.interval);
    }
    EXPECT_EQ(DelayItems.back(), "1000");
}

TEST(WheelDistributionCaption, GameAndAnalysis) {
    AnalysisBookkeeping analysis;
    analysis.AnalysisFileCount = 2;
    analysis.FirstAnalysisFile = "A.INP";
    analysis.LastAnalysisFile = "B.INP";
    EXPECT_EQ(wheelDistributionCaption(StatisticsSource::Game, Language::German, analysis),
              "Kesselverteilung");
    EXPECT_EQ(wheelDistributionCaption(StatisticsSource::Game, Language::English, analysis),
              "Wheeldistribution");
    EXPECT_EQ(wheelDistributionCaption(StatisticsSource::Analysis, Language::German, analysis),
              "Permanenzdatein: A.INP - B.INP    Kesselverteilung");
    analysis.AnalysisFileCount = 1;
    analysis.AnalysisInfo = "Tisch 2";
    EXPECT_EQ(wheelDistributionCaption(StatisticsSource::Analysis, Language::English, analysis),
              "Permanencefile-Info: Tisch 2    Wheeldistribution");
}

} // namespace
} // namespace quendra
