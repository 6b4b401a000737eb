#include "designs.hpp"

namespace velmora::bench {

Settings fiveSecondaries(int core) {
    Settings s{{"core", std::to_string(core)}, {"use_d", "1"}, {"d11", "0,4"}};
    if (core == 0) {
        s.insert(s.end(), {{"lst", "110"}, {"hst", "60"}, {"lok", "45"}, {"Bm", "1,5"}});
    } else {
        s.insert(s.end(), {{"lst", "32"}, {"hst", "50"}, {"lok", "32"}, {"hok", "80"},
                           {"Bm", core >= 3 ? "1,2" : "1,5"}});
    }
    const char* U[] = {"24", "12", "6,3", "36", "5"};
    const char* I[] = {"2", "1", "3", "0,5", "2"};
    const char* d[] = {"0,8", "0,5", "0,9", "0,3", "0,8"};
    for (int i = 0; i < 5; ++i) {
        std::string n = std::to_string(i + 1);
        s.insert(s.end(), {{"U2_" + n, U[i]}, {"I2_" + n, I[i]}, {"d2" + n, d[i]},
                           {"double2_" + n, i % 2 == 0 ? "1" : "0"}});
    }
    return s;
}

Settings thinWireRing() {
    return {{"core", "0"}, {"lst", "200"}, {"hst", "120"}, {"lok", "60"}, {"megsl", "0"},
            {"megob", "0"}, {"U2_1", "1000"}, {"I2_1", "0,01"}, {"j", "2"}, {"Bm", "1,5"}};
}

Record makeRecord(const Settings& s) {
    Record r;
    for (const auto& [k, v] : s) assignFromText(r, *findField(k), v);
    return r;
}

}  // namespace velmora::bench
