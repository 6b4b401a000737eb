#include "record.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace velmora;

TEST(Record, NewRecordHoldsTheDefaults) {
    Record r;
    EXPECT_EQ(r.core, 2);
    EXPECT_EQ(r.lst, "25");
    EXPECT_EQ(r.hst, "32");
    EXPECT_EQ(r.lok, "25");
    EXPECT_EQ(r.hok, "40");
    EXPECT_EQ(r.hkar, "27");
    EXPECT_EQ(r.hkar1, "34");
    EXPECT_EQ(r.lkar, "38");
    EXPECT_EQ(r.megsl, "0,1");
    EXPECT_EQ(r.megob, "0,3");
    EXPECT_EQ(r.Bm, "1,5");
    EXPECT_EQ(r.j, "3,5");
    EXPECT_EQ(r.F, "50");
    EXPECT_EQ(r.U1nom, "220");
    EXPECT_EQ(r.U1max, "253");
    EXPECT_EQ(r.U2[0], "20");
    EXPECT_EQ(r.I2[0], "5");
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(r.U2[i], "");
        EXPECT_EQ(r.I2[i], "");
    }
    EXPECT_EQ(r.double2, (Ints5{0, 0, 0, 0, 0}));
    EXPECT_EQ(r.razmery, 0);
    EXPECT_EQ(r.use_d, 0);
    EXPECT_EQ(r.Conductor, "ПЭТ-155");
    EXPECT_EQ(r.KPD, "0,9");
    EXPECT_EQ(r.W1, "");
    EXPECT_EQ(r.U2h[4], "");
}

TEST(Record, TableHas39InputsInFileOrderAndUniqueNamesAndIds) {
    auto in = inputFields();
    ASSERT_EQ(in.size(), 39u);
    EXPECT_EQ(in.front().name, "core");
    EXPECT_EQ(in[10].name, "razmery");
    EXPECT_EQ(in[16].name, "U2_1");
    EXPECT_EQ(in[26].name, "double2_1");
    EXPECT_EQ(in[31].name, "d11");
    EXPECT_EQ(in[37].name, "use_d");
    EXPECT_EQ(in.back().name, "Conductor");
    for (const Field& f : in) EXPECT_EQ(f.role, FieldRole::input) << f.name;
    std::set<std::string_view> names;
    std::set<int> ids;
    for (const Field& f : fields()) {
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
        if (f.control != ControlKind::none) {
            EXPECT_TRUE(ids.insert(f.id).second) << f.name;
        }
    }
    // By role: the inputs, the appended inputs, the results; a design file holds the
    // first two.
    int stage = 0;
    for (const Field& f : fields()) {
        const int role = f.role == FieldRole::input ? 0 : f.role == FieldRole::appended ? 1 : 2;
        EXPECT_GE(role, stage) << f.name;
        stage = role;
    }
    EXPECT_EQ(designFields().size(), inputFields().size() + appendedFields().size());
    for (const Field& f : appendedFields()) EXPECT_EQ(f.role, FieldRole::appended) << f.name;
    EXPECT_EQ(fields().size() - designFields().size(), 13u + 35u);  // the results
}

TEST(Record, EveryFieldAddressesItsOwnMember) {
    Record r;
    for (const Field& f : fields()) {
        if (f.kind == FieldKind::text) f.textIn(r) = std::string(f.name);
        else f.intIn(r) = static_cast<int>(f.name.size());
    }
    EXPECT_EQ(r.U2[2], "U2_3");
    EXPECT_EQ(r.d2[4], "d25");
    EXPECT_EQ(r.U2h[0], "U2h_1");
    EXPECT_EQ(r.hkar1, "hkar1");
    EXPECT_EQ(r.double2[3], 9);
    EXPECT_EQ(r.use_d, 5);
    for (const Field& f : fields())
        if (f.kind == FieldKind::text) {
            EXPECT_EQ(f.textIn(r), f.name);
        }
}

TEST(Record, AssignFromTextFollowsTheFileReader) {
    Record r;
    assignFromText(r, *findField("core"), " 7x");
    EXPECT_EQ(r.core, 7);  // kept as read: the run refuses it
    assignFromText(r, *findField("double2_2"), "-3");
    EXPECT_EQ(r.double2[1], 1);
    assignFromText(r, *findField("use_d"), "abc");
    EXPECT_EQ(r.use_d, 0);
    assignFromText(r, *findField("Bm"), " 1,2 ");
    EXPECT_EQ(r.Bm, " 1,2 ");
    EXPECT_EQ(findField("nope"), nullptr);
    EXPECT_EQ(valueAsText(r, *findField("core")), "7");
}

TEST(Record, ClearResultsEmptiesResultsAndExtentsOnly) {
    Record r;
    r.W1 = "100";
    r.ext1 = 5;
    r.ext2[3] = 9;
    clearResults(r);
    EXPECT_EQ(r.W1, "");
    EXPECT_EQ(r.KPD, "");
    EXPECT_EQ(r.ext1, 0);
    EXPECT_EQ(r.ext2[3], 0);
    EXPECT_EQ(r.lst, "25");
}
