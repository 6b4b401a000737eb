#include "rectifier_dialog.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "language.hpp"
#include "message_boxes.hpp"
#include "numtext.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"

namespace velmora::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

texts::Lang lang() { return uiLanguage(); }

// ---- the schematics, drawn on a 125 x 75 grid ------------------------------------

constexpr int kGridW = 125, kGridH = 75;
constexpr double kPlus = 35, kMinus = 68;  // the DC rails

// A diode from a (anode) to b (cathode): the wire, the triangle and the bar.
void diode(QPainter& p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    const QPointF mid = (a + b) / 2, base = mid - u * 4, tip = mid + u * 4;
    p.drawLine(a, base);
    p.drawLine(tip, b);
    QPainterPath tri;
    tri.moveTo(base + n * 4);
    tri.lineTo(base - n * 4);
    tri.lineTo(tip);
    tri.closeSubpath();
    p.fillPath(tri, p.pen().color());
    p.drawLine(tip + n * 4, tip - n * 4);
}

// A winding at x from y0 to y1: arcs bulging to the right.
void coil(QPainter& p, double x, double y0, double y1) {
    constexpr int turns = 4;
    const double h = (y1 - y0) / turns;
    for (int k = 0; k < turns; ++k)
        p.drawArc(QRectF(x - h / 2, y0 + k * h, h, h), 90 * 16, -180 * 16);
}

// The capacitor and the load between the rails, fed at x from the + rail.
void output(QPainter& p, double x) {
    p.drawLine(QPointF(x, kPlus), QPointF(117, kPlus));
    p.drawLine(QPointF(97, kPlus), QPointF(97, 49));
    p.drawLine(QPointF(90, 49), QPointF(104, 49));
    p.drawLine(QPointF(90, 54), QPointF(104, 54));
    p.drawLine(QPointF(97, 54), QPointF(97, kMinus));
    p.drawRect(QRectF(113, 42, 8, 19));
    p.drawLine(QPointF(117, kPlus), QPointF(117, 42));
    p.drawLine(QPointF(117, 61), QPointF(117, kMinus));
    p.drawText(QPointF(104, 32), QStringLiteral("+"));
}

void bridge(QPainter& p) {
    const QPointF T(55, 15), R(75, kPlus), B(55, 55), L(35, kPlus);
    coil(p, 15, 15, 55);
    p.drawLine(QPointF(15, 15), T);
    p.drawLine(QPointF(15, 55), B);
    diode(p, T, R);
    diode(p, B, R);
    diode(p, L, T);
    diode(p, L, B);
    p.drawLine(L, QPointF(L.x(), kMinus));
    p.drawLine(QPointF(L.x(), kMinus), QPointF(117, kMinus));
    output(p, R.x());
}

void centreTap(QPainter& p) {
    coil(p, 15, 15, 55);
    p.drawLine(QPointF(15, 15), QPointF(40, 15));
    p.drawLine(QPointF(15, 55), QPointF(40, 55));
    diode(p, QPointF(40, 15), QPointF(62, 15));
    diode(p, QPointF(40, 55), QPointF(62, 55));
    p.drawLine(QPointF(62, 15), QPointF(75, 15));
    p.drawLine(QPointF(62, 55), QPointF(75, 55));
    p.drawLine(QPointF(75, 15), QPointF(75, 55));
    // The tap goes out to the left and down to the - rail.
    p.drawLine(QPointF(15, kPlus), QPointF(5, kPlus));
    p.drawLine(QPointF(5, kPlus), QPointF(5, kMinus));
    p.drawLine(QPointF(5, kMinus), QPointF(117, kMinus));
    output(p, 75);
}

void halfWave(QPainter& p) {
    coil(p, 15, 15, 55);
    p.drawLine(QPointF(15, 15), QPointF(40, 15));
    diode(p, QPointF(40, 15), QPointF(62, 15));
    p.drawLine(QPointF(62, 15), QPointF(75, 15));
    p.drawLine(QPointF(75, 15), QPointF(75, kPlus));
    p.drawLine(QPointF(15, 55), QPointF(15, kMinus));
    p.drawLine(QPointF(15, kMinus), QPointF(117, kMinus));
    output(p, 75);
}

// Dual rail: the bridge across the whole winding, + and − to their rails, the tap
// round the bottom to the 0 V rail between the two capacitors and the two loads.
void dualRail(QPainter& p) {
    constexpr double top = 20, zero = 45, bottom = 70;  // the +, 0 V and − rails
    const QPointF T(55, 8), R(75, 33), B(55, 58), L(35, 33);
    coil(p, 12, 8, 58);
    p.drawLine(QPointF(12, 8), T);
    p.drawLine(QPointF(12, 58), B);
    diode(p, T, R);
    diode(p, B, R);
    diode(p, L, T);
    diode(p, L, B);
    p.drawLine(R, QPointF(R.x(), top));
    p.drawLine(QPointF(R.x(), top), QPointF(117, top));
    p.drawLine(L, QPointF(L.x(), bottom));
    p.drawLine(QPointF(L.x(), bottom), QPointF(117, bottom));
    p.drawLine(QPointF(12, 33), QPointF(4, 33));
    p.drawLine(QPointF(4, 33), QPointF(4, 74));
    p.drawLine(QPointF(4, 74), QPointF(88, 74));
    p.drawLine(QPointF(88, 74), QPointF(88, zero));
    p.drawLine(QPointF(88, zero), QPointF(117, zero));
    for (const double y0 : {top, zero}) {  // a capacitor and a load across each half
        const double mid = y0 + (zero - top) / 2;
        p.drawLine(QPointF(97, y0), QPointF(97, mid - 2));
        p.drawLine(QPointF(91, mid - 2), QPointF(103, mid - 2));
        p.drawLine(QPointF(91, mid + 2), QPointF(103, mid + 2));
        p.drawLine(QPointF(97, mid + 2), QPointF(97, y0 + zero - top));
        p.drawRect(QRectF(113, mid - 7, 8, 14));
        p.drawLine(QPointF(117, y0), QPointF(117, mid - 7));
        p.drawLine(QPointF(117, mid + 7), QPointF(117, y0 + zero - top));
    }
    p.drawText(QPointF(104, top - 3), QStringLiteral("+"));
    p.drawText(QPointF(104, bottom - 3), QStringLiteral("−"));
}

// Results, in the order of RectifierDialog::results_.
constexpr std::array<const char*, 8> kResultNames{"reachedUdc", "ripple", "Irms", "Ipeak",
                                                  "ratio",      "angle",  "E",    "Rs"};
constexpr std::array<const char*, 5> kEditNames{"Udc", "Idc", "C", "Vd", "rd"};

}  // namespace

CircuitPicture::CircuitPicture(int circuit, QWidget* parent) : QWidget(parent), circuit_(circuit) {
    setMinimumSize(sizeHint());
}

QSize CircuitPicture::sizeHint() const { return {kGridW * 3 / 2, kGridH * 3 / 2}; }

void CircuitPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(width() / double(kGridW), height() / double(kGridH));
    p.scale(s, s);
    QPen pen(palette().color(QPalette::WindowText), 1.2);
    p.setPen(pen);
    QFont f = p.font();
    f.setPointSizeF(8);
    p.setFont(f);
    if (circuit_ == 1) bridge(p);
    else if (circuit_ == 2) centreTap(p);
    else if (circuit_ == 3) halfWave(p);
    else if (circuit_ == 4) dualRail(p);
}

RectifierDialog::RectifierDialog(const Record& design, const WireTable& wires, int secondary,
                                 MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), design_(design), wires_(wires), secondary_(secondary), boxes_(boxes) {
    setObjectName(QStringLiteral("RectifierDialog"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(tr("Выпрямитель вторичной обмотки %1").arg(QStringLiteral("2.%1").arg(secondary + 1)));

    // The circuit: one radio button each, the four rectifiers with their pictures.
    auto* circuitBox = new QGroupBox(tr("Схема"), this);
    auto* grid = new QGridLayout(circuitBox);
    circuits_ = new QButtonGroup(this);
    const std::array<QString, 5> names{tr("Нет выпрямителя"), tr("Мостовая"),
                                       tr("Двухполупериодная со средней точкой"),
                                       tr("Однополупериодная"),
                                       tr("Двуполярная (±)")};
    for (int k = 0; k < 5; ++k) {
        auto* b = new QRadioButton(names[static_cast<std::size_t>(k)], this);
        b->setObjectName(QStringLiteral("circuit%1").arg(k));
        circuits_->addButton(b, k);
        if (k == 4) b->setToolTip(qs(texts::rectifierCircuit(k, lang())));
        if (k == 0) {
            grid->addWidget(b, 2, 0, 1, 4);
        } else {
            grid->addWidget(new CircuitPicture(k, this), 0, k - 1, Qt::AlignCenter);
            grid->addWidget(b, 1, k - 1);
        }
    }
    if (QAbstractButton* b = circuits_->button(openingCircuit(design, secondary))) b->setChecked(true);

    // The inputs, as the design holds them (the diode's defaults when empty).
    const RectifierInputs held = rectifierInputs(design, secondary);
    const std::array<QString, 5> labels{tr("Постоянное напряжение, В"), tr("Ток нагрузки, А"),
                                        tr("Ёмкость конденсатора, мкФ"),
                                        tr("Прямое падение на диоде, В"),
                                        tr("Дифференциальное сопротивление диода, Ом")};
    const std::array<std::string, 5> values{design.Udc2[secondary], design.Idc2[secondary],
                                            design.C2[secondary], shortest(held.Vd), shortest(held.rd)};
    const QString diodeTip =
        tr("По умолчанию 0,88 В и 0,0037 Ом: прямая через две точки прямой ветви диода GI750–GI758 "
           "(6 А) из листка производителя — 0,90 В при 6 А и 1,25 В при 100 А, 25 °C. Для своего "
           "диода или моста возьмите значения из его справочного листка.");
    auto* inputs = new QGridLayout;
    for (std::size_t k = 0; k < edits_.size(); ++k) {
        edits_[k] = new QLineEdit(qs(values[k]), this);
        edits_[k]->setObjectName(QString::fromLatin1(kEditNames[k]));
        auto* l = new QLabel(labels[k], this);
        if (k >= 3) {
            edits_[k]->setToolTip(diodeTip);
            l->setToolTip(diodeTip);
        }
        inputs->addWidget(l, static_cast<int>(k), 0);
        inputs->addWidget(edits_[k], static_cast<int>(k), 1);
    }

    // What the winding gives.
    auto* resultBox = new QGroupBox(tr("Результат"), this);
    auto* out = new QGridLayout(resultBox);
    const std::array<QString, 8> resultLabels{
        tr("Получено постоянное напряжение, В"), tr("Пульсации (размах), В"),
        tr("Действующий ток обмотки, А"),         tr("Пиковый ток диода, А"),
        tr("Отношение действующего тока к постоянному"), tr("Угол проводимости диода, °"),
        tr("ЭДС обмотки (холостой ход), В"),      tr("Сопротивление источника, Ом")};
    for (std::size_t k = 0; k < results_.size(); ++k) {
        auto* l = new QLabel(resultLabels[k], this);
        if (k == 2) irmsLabel_ = l;
        results_[k] = new QLabel(this);
        results_[k]->setObjectName(QString::fromLatin1(kResultNames[k]));
        results_[k]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        out->addWidget(l, static_cast<int>(k), 0);
        out->addWidget(results_[k], static_cast<int>(k), 1);
    }
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    out->addWidget(status_, static_cast<int>(results_.size()), 0, 1, 2);

    auto* calculate = new QPushButton(tr("Рассчитать"), this);
    auto* apply = new QPushButton(tr("Применить"), this);
    auto* close = new QPushButton(tr("Закрыть"), this);
    calculate->setObjectName(QStringLiteral("calculate"));
    apply->setObjectName(QStringLiteral("apply"));
    close->setObjectName(QStringLiteral("close"));
    calculate->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(calculate);
    buttons->addWidget(apply);
    buttons->addStretch();
    buttons->addWidget(close);
    connect(calculate, &QPushButton::clicked, this, &RectifierDialog::calculate);
    connect(apply, &QPushButton::clicked, this, &RectifierDialog::apply);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // The inputs beside what they give, so that the dialog fits a 1024 x 600 screen
    // with its buttons in sight.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(circuitBox);
    auto* work = new QHBoxLayout;
    inputs->setRowStretch(static_cast<int>(edits_.size()), 1);
    work->addLayout(inputs);
    work->addWidget(resultBox);
    layout->addLayout(work);
    layout->addLayout(buttons);
    showResult();
}

RectifierInputs RectifierDialog::inputs() const {
    Record r;
    r.rect2[secondary_] = circuits_->checkedId();
    r.Udc2[secondary_] = edits_[0]->text().toStdString();
    r.Idc2[secondary_] = edits_[1]->text().toStdString();
    r.C2[secondary_] = edits_[2]->text().toStdString();
    r.Vd2[secondary_] = edits_[3]->text().toStdString();
    r.rd2[secondary_] = edits_[4]->text().toStdString();
    return rectifierInputs(r, secondary_);
}

void RectifierDialog::apply() {
    const int circuit = circuits_->checkedId();
    const bool tapped = design_.double2[static_cast<std::size_t>(secondary_)] != 0;
    if (rectifierTapChange(circuit, tapped) == RectifierTap::removed &&
        !boxes_.ask(this, qs(texts::rectifierTapCaption(lang())),
                    qs(texts::rectifierTapQuestion(secondary_, circuit, lang()))))
        return;
    accept();
}

// The helper's rounds on a copy of the design: what "Применить" would give.
void RectifierDialog::calculate() {
    Record copy = design_;
    setRectifierInputs(copy, secondary_, inputs());
    result_ = resolveRectifiers(copy, wires_)[static_cast<std::size_t>(secondary_)];
    showResult();
}

void RectifierDialog::showResult() {
    const RectifierInputs s = inputs();
    const RectifierResult& x = result_.reached;
    const bool shown = result_.status == RectifierDesignStatus::settled ||
                       result_.status == RectifierDesignStatus::notSettled;
    const std::array<std::pair<double, int>, 8> values{{{x.Udc, 2},
                                                        {x.ripple, 2},
                                                        {x.Irms, 3},
                                                        {x.Ipeak, 2},
                                                        {x.Irms / s.Idc, 2},
                                                        {x.angle, 1},
                                                        {result_.E, 2},
                                                        {result_.Rs, 3}}};
    for (std::size_t k = 0; k < results_.size(); ++k) {
        const auto [v, decimals] = values[k];
        results_[k]->setText(shown && std::isfinite(v) ? qs(fixed(v, decimals)) : QString());
    }
    irmsLabel_->setText(needsCentreTap(static_cast<RectifierKind>(s.circuit))
                            ? tr("Действующий ток половины обмотки, А")
                                       : tr("Действующий ток обмотки, А"));
    QString text = qs(texts::rectifierStatus(result_, s, lang()));
    for (const std::string& note :
         {texts::rectifierWarning(result_.warning, lang()),
          texts::rectifierTapNote(result_.tap, secondary_, s.circuit, lang())})
        if (!note.empty()) text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + qs(note);
    status_->setText(text);
}

}  // namespace velmora::ui
