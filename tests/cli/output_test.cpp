#include "run_json.hpp"

#include <gtest/gtest.h>

using namespace velmora;
using velmora::json::jsonString;

TEST(CliJson, StringsAreEscapedAndStayUtf8) {
    EXPECT_EQ(jsonString("ПЭТ-155"), "\"ПЭТ-155\"");
    EXPECT_EQ(jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(jsonString("1\r\n2\t"), "\"1\\r\\n2\\t\"");
    EXPECT_EQ(jsonString(std::string("\x01", 1)), "\"\\u0001\"");
    EXPECT_EQ(jsonString("\xC0\xAF"), "\"\\ufffd\\ufffd\"");  // an overlong sequence is no UTF-8
    EXPECT_EQ(jsonString("\xD0"), "\"\\ufffd\"");
    EXPECT_EQ(jsonString("€"), "\"€\"");
}

TEST(CliJson, HoldsEveryFieldHintAndExtent) {
    Record r;
    r.W1 = "1000";
    r.ext2[4] = 17;
    RunResult run;
    run.status = RunStatus::overfill;
    Hint a("D1", Hint::mass), b("D1", Hint::mass);
    a.kg = 1;
    b.kg = 2;
    run.hints = {a, b, Hint("D2_1")};
    std::string j = json::runAsJson(r, run, {Message(MessageCode::overfill)}, {}, texts::Lang::ru);
    EXPECT_NE(j.find("\"status\": \"overfill\""), std::string::npos);
    for (const Field& f : fields()) EXPECT_NE(j.find(jsonString(f.name) + ": "), std::string::npos) << f.name;
    EXPECT_NE(j.find("\"core\": 2,"), std::string::npos);
    EXPECT_NE(j.find("\"W1\": \"1000\""), std::string::npos);
    // Hints by control id, the text the control shows last.
    EXPECT_NE(j.find("\"1015\": \"Масса провода 2.000 кг\""), std::string::npos) << j;
    EXPECT_EQ(j.find("\"1015\": \"Масса провода 1.000 кг\""), std::string::npos);
    EXPECT_NE(j.find("\"1032\": \"\""), std::string::npos);
    EXPECT_NE(j.find("\"ext2_5\": 17"), std::string::npos);
    EXPECT_NE(j.find("{\"caption\": \"Внимание!\", \"text\": \"Расчет прерван!\\nОкно"), std::string::npos);
    const std::string en = json::runAsJson(r, run, {Message(MessageCode::overfill)}, {}, texts::Lang::en);
    EXPECT_NE(en.find("\"1015\": \"Wire mass 2.000 kg\""), std::string::npos) << en;
    EXPECT_NE(en.find("{\"caption\": \"Warning!\", \"text\": \"Calculation stopped!"), std::string::npos);
}

// The gauge goes with the tip shown: a wire tip emptied later in the run leaves none.
TEST(CliJson, AGaugeOnlyBesideTheWireTipShown) {
    Hint wire("D1", Hint::wire);
    wire.awg = 25;
    RunResult run;
    run.hints = {wire, Hint("D1")};
    EXPECT_NE(json::runAsJson(Record(), run, {}, {}, texts::Lang::ru).find("\"gauges\": {},"), std::string::npos);
    run.hints = {Hint("D1"), wire};
    const std::string j = json::runAsJson(Record(), run, {}, {}, texts::Lang::ru);
    EXPECT_NE(j.find("\"gauges\": {\"1015\": \"Калибр AWG 25\"},"), std::string::npos) << j;
    wire.awg = 0;  // a kind without gauges
    run.hints = {wire};
    EXPECT_NE(json::runAsJson(Record(), run, {}, {}, texts::Lang::ru).find("\"gauges\": {},"), std::string::npos);
}
