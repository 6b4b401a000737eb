// The rectifier of one secondary: the circuit (with its picture), the DC voltage and
// current wanted, the capacitor and the diode. "Рассчитать" runs the helper's rounds
// on a copy of the design and shows what the winding would give; "Применить" closes
// the dialog accepted, and the window puts inputs() into the design and calculates.
// A circuit that takes the winding whole (bridge, half wave) on a centre-tapped
// winding asks first whether to remove the tap; "Отмена" keeps the dialog open.
#pragma once

#include <QDialog>
#include <QWidget>
#include <array>

#include "rectifier_design.hpp"
#include "record.hpp"

class MessageBoxes;
class QButtonGroup;
class QLabel;
class QLineEdit;

namespace velmora::ui {

// A small schematic of circuit 1..4: winding, diodes, capacitors, loads.
class CircuitPicture : public QWidget {
    Q_OBJECT
public:
    CircuitPicture(int circuit, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int circuit_;
};

// objectNames: the radio buttons "circuit0".."circuit4", the edits "Udc", "Idc", "C",
// "Vd", "rd", the buttons "calculate", "apply", "close", the results "reachedUdc",
// "ripple", "Irms", "Ipeak", "ratio", "angle", "E", "Rs", and "status".
class RectifierDialog : public QDialog {
    Q_OBJECT
public:
    // `design` as the window holds it; `secondary` 0..4.
    // It opens on the secondary's own circuit: the one it has, or with none the one its
    // winding suits (full wave with centre tap on a tapped winding, else the bridge).
    RectifierDialog(const Record& design, const WireTable& wires, int secondary, MessageBoxes& boxes,
                    QWidget* parent = nullptr);

    RectifierInputs inputs() const;  // as entered, by the record's number rule
    void calculate();            // "Рассчитать"
    const RectifierDesign& result() const { return result_; }

private:
    void showResult();
    void apply();  // "Применить": asks before the tap goes, then accepts

    const Record& design_;
    const WireTable& wires_;
    int secondary_;
    MessageBoxes& boxes_;
    RectifierDesign result_;
    QButtonGroup* circuits_ = nullptr;
    std::array<QLineEdit*, 5> edits_{};  // Udc, Idc, C, Vd, rd
    std::array<QLabel*, 8> results_{};   // reachedUdc, ripple, Irms, Ipeak, ratio, angle, E, Rs
    QLabel* irmsLabel_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace velmora::ui
