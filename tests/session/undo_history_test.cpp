// The history of whole designs: steps back and forth, its depth, and each step's file.
#include <gtest/gtest.h>

#include "undo_history.hpp"

using namespace velmora;

namespace {

Record withLst(int i) {
    Record r;
    r.lst = std::to_string(i);
    return r;
}

DesignState state(int lst, const char* file = "") { return {withLst(lst), std::string(file)}; }

TEST(UndoHistory, StepsBackAndForthAndDropsTheUndoneOnANewState) {
    UndoHistory h(50);
    for (int i = 1; i <= 3; ++i) h.record(state(i));
    h.record(state(3));  // the same inputs again: no new step
    EXPECT_EQ(h.size(), 3u);
    EXPECT_FALSE(h.canRedo());
    const DesignState* r = h.undo(state(3));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->inputs.lst, "2");
    r = h.redo();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->inputs.lst, "3");
    EXPECT_EQ(h.redo(), nullptr);

    // Inputs edited since the last state are a step of their own.
    r = h.undo(state(9));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->inputs.lst, "3");
    EXPECT_EQ(h.redo()->inputs.lst, "9");
    // A new state after an undo drops the states undone.
    h.undo(state(9));
    h.record(state(4));
    EXPECT_FALSE(h.canRedo());
    EXPECT_EQ(h.undo(state(4))->inputs.lst, "3");
    EXPECT_EQ(h.undo(state(3))->inputs.lst, "2");
    EXPECT_EQ(h.undo(state(2))->inputs.lst, "1");
    EXPECT_EQ(h.undo(state(1)), nullptr);
    EXPECT_FALSE(h.canUndo(state(1)));
    EXPECT_TRUE(h.canUndo(state(5)));
}

TEST(UndoHistory, KeepsTheLatestStatesToItsDepth) {
    UndoHistory h(50);
    for (int i = 0; i < 120; ++i) h.record(state(i));
    EXPECT_EQ(h.size(), 50u);
    DesignState now = state(119);
    int steps = 0;
    while (const DesignState* r = h.undo(now)) {
        now = *r;
        ++steps;
    }
    EXPECT_EQ(steps, 49);
    EXPECT_EQ(now.inputs.lst, "70");
}

// The same inputs under another file are another step; a save names the states of the
// design saved (its run of the same file), not those of the designs before it.
TEST(UndoHistory, KeepsEachStatesFileAndASaveNamesItsOwnDesign) {
    UndoHistory h(50);
    h.record(state(1));
    h.record(state(1, "/a.sav"));
    h.record(state(2, "/a.sav"));
    h.record(state(2));
    h.record(state(3));
    EXPECT_EQ(h.size(), 5u);
    h.undo(state(3));  // at {2, ""}; {3, ""} stays to redo
    h.rename("/c.sav");
    EXPECT_EQ(h.redo()->file, "/c.sav");
    const DesignState* r = h.undo(state(3, "/c.sav"));
    EXPECT_EQ(r->file, "/c.sav");
    r = h.undo(state(2, "/c.sav"));
    EXPECT_EQ(r->inputs.lst, "2");
    EXPECT_EQ(r->file, "/a.sav");
    EXPECT_EQ(h.undo(state(2, "/a.sav"))->file, "/a.sav");
    r = h.undo(state(1, "/a.sav"));
    EXPECT_EQ(r->inputs.lst, "1");
    EXPECT_EQ(r->file, "");  // the start, before any file
}

}  // namespace
