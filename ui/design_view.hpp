// The main window's controls bound to the design session: the record taken from them
// and shown in them, the marks of inputs that cannot be used, and the outcome of a
// calculation (results, comment, tips, the fill strip, the steel group, the rectifier
// marks, the banner of a design that cannot work), greyed once the inputs change.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "design_session.hpp"

namespace velmora::ui {

class MainControls;

class DesignView {
public:
    DesignView(MainControls& controls, DesignSession& session);

    // The user's edits: marks, derived sizes and detached rectifiers follow at once;
    // `changed` after each change of an input (not during the exchanges).
    void watch(std::function<void()> changed);

    void take();  // the controls into the record
    void show();  // the record into the controls
    void presentCore();  // the labels, hints, hidden and disabled edits, picture of the kind
    void showKinds();    // the wire kinds and the one chosen
    void showOutcome();  // the session's last outcome
    void showStale(bool stale);
    bool stale() const { return stale_; }
    bool exchanging() const { return exchanging_; }
    void retranslate();  // everything the engine and the texts module word

private:
    void coreLabels();
    void coreHints();
    void startHints();
    void markImpossibleSizes();
    void markSupply();  // U1nom above U1max
    void rectifierMarks();
    void banner();
    void onDimension(void (*derive)(Record&));

    MainControls& c_;
    DesignSession& session_;
    bool exchanging_ = false;
    bool stale_ = false;
};

}  // namespace velmora::ui
