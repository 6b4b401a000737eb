// The design session without a window: a user's afternoon as a script of operations,
// each followed by what the session must then hold (inputs, file, modified state,
// undo and redo, the outcome), and loads that change nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "advisor.hpp"
#include "design_session.hpp"
#include "rectifier_fields.hpp"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

const fs::path kData = VELMORA_DATA_DIR;

enum class Op { edit, calculate, save, load, undo, redo, core, listedCore, rectifier };

struct Step {
    Op op;
    std::string field, value;  // edit: the field and its text; save, load: the file's name
    // What holds afterwards.
    std::string lst;
    std::string file;  // the name of the design's file, "" none
    bool modified, canUndo, canRedo;
};

class Folder {
public:
    Folder() : path_(fs::temp_directory_path() / ("velmora-session-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

TEST(DesignSession, FollowsAScriptOfTheWindowsCommands) {
    Folder folder;
    DesignSession s;
    ASSERT_TRUE(s.open(kData).done);
    const CalculationSettings ru;
    const std::vector<Step> script{
        {Op::calculate, "", "", "25", "", false, false, false},
        {Op::edit, "lst", "30", "30", "", false, true, false},  // an edit not calculated is a step
        {Op::calculate, "", "", "30", "", false, true, false},
        {Op::save, "", "a.sav", "30", "a.sav", false, true, false},
        {Op::edit, "lst", "31", "31", "a.sav", true, true, false},
        {Op::calculate, "", "", "31", "a.sav", true, true, false},
        {Op::undo, "", "", "30", "a.sav", false, true, true},
        {Op::redo, "", "", "31", "a.sav", true, true, false},
        {Op::save, "", "b.sav", "31", "b.sav", false, true, false},
        {Op::undo, "", "", "30", "b.sav", true, true, true},  // the save named its own run
        {Op::load, "", "a.sav", "30", "a.sav", false, true, false},
        {Op::edit, "hst", "40", "30", "a.sav", true, true, false},
        {Op::load, "", "b.sav", "31", "b.sav", false, true, false},
        {Op::undo, "", "", "30", "a.sav", false, true, true},  // a.sav as loaded: the edit was never calculated
        {Op::core, "", "0", "30", "a.sav", true, true, false},
        {Op::listedCore, "", "", "40", "a.sav", true, true, false},
        {Op::rectifier, "", "", "40", "a.sav", true, true, false},
        {Op::undo, "", "", "40", "a.sav", true, true, true},
        {Op::undo, "", "", "30", "a.sav", true, true, true},
        {Op::redo, "", "", "40", "a.sav", true, true, true},
        {Op::redo, "", "", "40", "a.sav", true, true, false},
    };
    for (std::size_t i = 0; i < script.size(); ++i) {
        const Step& st = script[i];
        SCOPED_TRACE("step " + std::to_string(i));
        const fs::path file = folder.path() / st.value;
        switch (st.op) {
            case Op::edit: ASSERT_TRUE(s.edit(st.field, st.value)); break;
            case Op::calculate: EXPECT_EQ(s.calculate(ru).run.status, RunStatus::ok); break;
            case Op::save: ASSERT_TRUE(s.save(file).ok); break;
            case Op::load: ASSERT_TRUE(s.load(file, ru).done); break;
            case Op::undo: ASSERT_TRUE(s.undo(ru).done); break;
            case Op::redo: ASSERT_TRUE(s.redo(ru).done); break;
            case Op::core: s.chooseCore(std::stoi(st.value)); break;
            case Op::listedCore: s.applyCore(ListedCore{"", 2, 40, 32, 25, 40, ""}, ru); break;
            case Op::rectifier: {
                RectifierInputs in = rectifierInputs(s.record(), 0);
                in.circuit = 1;
                in.Udc = 24;
                in.Idc = 2;
                in.C_uF = 4700;
                const Evaluation& e = s.applyRectifier(0, in, ru);
                EXPECT_TRUE(hasRectifier(s.record(), 0));
                EXPECT_NE(e.rectifiers[0].status, RectifierDesignStatus::none);
                break;
            }
        }
        EXPECT_EQ(s.record().lst, st.lst);
        EXPECT_EQ(fs::path(s.file()).filename().string(), st.file);
        EXPECT_EQ(s.modified(), st.modified);
        EXPECT_EQ(s.canUndo(), st.canUndo);
        EXPECT_EQ(s.canRedo(), st.canRedo);
    }
    // The last calculation left its outcome, and the inputs' results with it.
    ASSERT_TRUE(s.last().has_value());
    EXPECT_FALSE(s.record().W1.empty());
    EXPECT_TRUE(s.detachRectifier(0));
    EXPECT_FALSE(hasRectifier(s.record(), 0));
    EXPECT_EQ(s.last()->rectifiers[0].status, RectifierDesignStatus::none);
    EXPECT_FALSE(s.detachRectifier(0));
}

// Files that cannot be loaded leave the inputs, the file and the history as they were;
// a field that is no input cannot be edited.
TEST(DesignSession, RefusesWhatItCannotTake) {
    Folder folder;
    const fs::path refused = folder.path() / "refused.sav";
    std::ofstream(refused, std::ios::binary) << "nothing\t= 1\r\n";  // sets no field
    const struct {
        fs::path file;
        ReadOutcome::Status status;
    } cases[]{{folder.path() / "absent.sav", ReadOutcome::cannotOpen}, {refused, ReadOutcome::refused}};
    for (const auto& c : cases) {
        DesignSession s;
        ASSERT_TRUE(s.open(kData).done);
        s.edit("lst", "33");
        ReadOutcome read;
        EXPECT_FALSE(s.load(c.file, {}, &read).done);
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(s.record().lst, "33");
        EXPECT_EQ(s.file(), "");
        EXPECT_FALSE(s.canRedo());
        EXPECT_FALSE(s.undo({}).done);
    }
    DesignSession s;
    EXPECT_FALSE(s.edit("W1", "5"));
    EXPECT_FALSE(s.edit("nothing", "5"));
    EXPECT_FALSE(s.open(folder.path()).done);  // no wire catalogue there
}

}  // namespace
