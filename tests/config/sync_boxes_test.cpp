// The synchronisation check boxes: a chromatograph box follows the controller box above it.
#include <gtest/gtest.h>

#include "config/sync_editor.h"

namespace zor06::config {
namespace {

TEST(SyncBoxes, AChromatographBoxFollowsItsControllerBox) {
    SyncBoxes boxes({0, 1, 1, 1});
    EXPECT_FALSE(boxes.Checked(2));  // stored 1, but its controller box is unticked
    EXPECT_FALSE(boxes.Enabled(2));
    EXPECT_TRUE(boxes.Enabled(3));

    boxes.SetChecked(1, false);  // unticking "С временем ЭВМ" clears the box below it
    EXPECT_FALSE(boxes.Checked(3));
    EXPECT_FALSE(boxes.Enabled(3));
    EXPECT_EQ(boxes.Values(), (SyncSwitches{0, 0, 0, 0}));

    boxes.SetChecked(1, true);  // ticking it again brings back the stored value
    EXPECT_TRUE(boxes.Checked(3));
    boxes.SetChecked(0, true);
    EXPECT_TRUE(boxes.Checked(2));
    boxes.SetChecked(2, false);
    boxes.SetChecked(0, false);
    boxes.SetChecked(0, true);
    EXPECT_FALSE(boxes.Checked(2));  // the last choice is remembered, not the stored one
    boxes.SetChecked(3, false);
    EXPECT_EQ(boxes.Values(), (SyncSwitches{1, 1, 0, 0}));
}

}  // namespace
}  // namespace zor06::config
