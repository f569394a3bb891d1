// The permanence strip: which labels show the last sixteen coups, in which colour, and how the
// newest row blinks.
#include "spin/PermanenceStrip.h"
#include "support/BetTable.h"

#include <gtest/gtest.h>
#include <memory>

namespace quendra {
namespace {

class PermanenceStripTest : public ::testing::Test {
protected:
    PermanenceStripTest() { testing::loadStandardTable(state, TableType::American); }

    // Puts the pocket of the number into the newest place, as a coup does.
    void coupOn(int number) {
        std::shift_left(state.LastSixteen.begin(), state.LastSixteen.end(), 1);
        state.LastSixteen.back() = static_cast<std::uint16_t>(state.table.pocketOf(number));
        ShowPermanenceStrip(state);
    }

    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    GameState& state = *owned;
};

TEST_F(PermanenceStripTest, EachEntryShowsInItsColumnAndColour) {
    struct Case {
        int number; // -1: a day separator
        const char* left;
        const char* right;
        StripColour colour;
        StripBlinkMode mode;
    };
    const Case cases[] = {
        {3, "3", nullptr, StripColour::Red, StripBlinkMode::Left},
        {8, nullptr, "8", StripColour::Black, StripBlinkMode::Right},
        {0, "0", "0", StripColour::Green, StripBlinkMode::Both},
        {37, "00", "00", StripColour::Green, StripBlinkMode::Both},
        {-1, "---", "---", StripColour::Black, StripBlinkMode::Both},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        if (c.number < 0) {
            std::shift_left(state.LastSixteen.begin(), state.LastSixteen.end(), 1);
            state.LastSixteen.back() = DaySeparator;
            ShowPermanenceStrip(state);
        } else {
            coupOn(c.number);
        }
        const PermanenceStripView view = permanenceStrip(state);
        const StripLabel& left = view.TableZ(25);
        const StripLabel& right = view.TableZ(41);
        EXPECT_EQ(left.visible, c.left != nullptr);
        EXPECT_EQ(right.visible, c.right != nullptr);
        if (c.left) {
            EXPECT_EQ(left.text, c.left);
            EXPECT_EQ(left.colour, c.colour);
        }
        if (c.right) {
            EXPECT_EQ(right.text, c.right);
            EXPECT_EQ(right.colour, c.colour);
        }
        EXPECT_EQ(state.stripBlink.mode, c.mode);
        EXPECT_EQ(state.stripBlink.ticksLeft, StripBlinkTicks);
    }
}

TEST_F(PermanenceStripTest, OlderCoupsMoveUpAndEmptyPlacesShowNothing) {
    coupOn(3);
    coupOn(8);
    const PermanenceStripView view = permanenceStrip(state);
    EXPECT_EQ(view.TableZ(24).text, "3"); // row 15, left
    EXPECT_FALSE(view.TableZ(40).visible);
    EXPECT_EQ(view.TableZ(41).text, "8"); // row 16, right
    int shown = 0;
    for (const StripLabel& label : view.labels) {
        shown += label.visible ? 1 : 0;
    }
    EXPECT_EQ(shown, 2);
}

TEST_F(PermanenceStripTest, TheNewestRowBlinksTwentyTimesAndStaysVisible) {
    coupOn(0);
    std::vector<bool> visible;
    while (PermanenceBlinkTick(state)) {
        const PermanenceStripView view = permanenceStrip(state);
        EXPECT_EQ(view.TableZ(25).visible, view.TableZ(41).visible) << "both labels together";
        visible.push_back(view.TableZ(25).visible);
    }
    EXPECT_EQ(visible.size(), static_cast<std::size_t>(StripBlinkTicks - 1));
    EXPECT_FALSE(visible.front());
    EXPECT_TRUE(visible[1]);
    EXPECT_TRUE(permanenceStrip(state).TableZ(25).visible);
    EXPECT_FALSE(PermanenceBlinkTick(state));
}

TEST_F(PermanenceStripTest, AnEmptyStripDoesNotBlink) {
    ShowPermanenceStrip(state);
    EXPECT_EQ(state.stripBlink.mode, StripBlinkMode::None);
    EXPECT_FALSE(PermanenceBlinkTick(state));
    state.LastSixteen.back() = 0; // the newest place while the ball runs
    EXPECT_EQ(stripEntryMode(state.table, 0), StripBlinkMode::None);
    EXPECT_EQ(stripEntryMode(state.table, 200), StripBlinkMode::None);
}

} // namespace
} // namespace quendra
