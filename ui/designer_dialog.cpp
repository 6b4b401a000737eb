#include "designer_dialog.hpp"

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "design_columns.hpp"
#include "design_words.hpp"
#include "designer_words.hpp"
#include "language.hpp"
#include "trade_off_svg.hpp"

namespace velmora::ui {

using texts::DesignerText;

namespace {

texts::Lang lang() { return uiLanguage(); }
QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString word(DesignerText t) { return q(texts::designerText(t, lang())); }

// A cell that sorts by its number, not its text; it keeps the outcome's row.
class NumberItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& o) const override {
        return data(Qt::UserRole + 1).toDouble() < o.data(Qt::UserRole + 1).toDouble();
    }
};

QTableWidgetItem* cell(const QString& text, double key, int row) {
    auto* item = new NumberItem(text);
    item->setData(Qt::UserRole, row);
    item->setData(Qt::UserRole + 1, key);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// A limit: 0 stands for none.
QDoubleSpinBox* limitBox(double max, int decimals, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(0, max);
    box->setDecimals(decimals);
    box->setSpecialValueText(QStringLiteral("-"));
    return box;
}
double limitOf(const QDoubleSpinBox* box) { return box->value() > 0 ? box->value() : kNoLimit; }
void setLimit(QDoubleSpinBox* box, double v) { box->setValue(v == kNoLimit ? 0 : v); }

}  // namespace

// The chart, drawn by Qt Svg; a click on a point chooses its row.
class ChartView : public QSvgWidget {
public:
    std::function<void(int)> picked;
    using QSvgWidget::QSvgWidget;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        QSvgRenderer* r = renderer();
        const QRectF box = r->viewBoxF();
        if (box.isEmpty() || !picked) return;
        const QPointF at(box.x() + e->position().x() * box.width() / width(),
                         box.y() + e->position().y() * box.height() / height());
        for (int row = 0; row < rows; ++row) {
            const QString id = QString::fromStdString(chart::pointId(row));
            if (!r->elementExists(id)) continue;
            const QRectF b = r->transformForElement(id).mapRect(r->boundsOnElement(id)).adjusted(-3, -3, 3, 3);
            if (b.contains(at)) {
                picked(row);
                return;
            }
        }
    }

public:
    int rows = 0;
};

DesignerDialog::DesignerDialog(DesignerInputs in, QWidget* parent) : QDialog(parent), in_(std::move(in)) {
    setObjectName(QStringLiteral("designerDialog"));
    build();
    setRequest(DesignRequest{});
}

void DesignerDialog::build() {
    setWindowTitle(word(DesignerText::dialogTitle));
    auto* form = new QFormLayout;
    goal_ = new QComboBox(this);
    goal_->setObjectName(QStringLiteral("goal"));
    for (DesignGoal g : {DesignGoal::mass, DesignGoal::loss, DesignGoal::hotSpot})
        goal_->addItem(q(texts::goalName(g, lang())), static_cast<int>(g));
    form->addRow(word(DesignerText::goal), goal_);
    withinClass_ = new QCheckBox(word(DesignerText::withinClass), this);
    form->addRow(withinClass_);
    hot_ = limitBox(250, 0, this);
    rise_ = limitBox(200, 0, this);
    regulation_ = limitBox(100, 1, this);
    noLoad_ = limitBox(100, 1, this);
    fill_ = limitBox(1, 2, this);
    fill_->setSingleStep(0.05);
    form->addRow(word(DesignerText::hotLimit), hot_);
    form->addRow(word(DesignerText::riseLimit), rise_);
    form->addRow(word(DesignerText::regulationLimit), regulation_);
    form->addRow(word(DesignerText::noLoadLimit), noLoad_);
    form->addRow(word(DesignerText::fillLimit), fill_);
    jMin_ = limitBox(20, 2, this);
    jMax_ = limitBox(20, 2, this);
    for (QDoubleSpinBox* j : {jMin_, jMax_}) j->setSingleStep(kJStep);
    auto* js = new QHBoxLayout;
    js->addWidget(jMin_);
    js->addWidget(jMax_);
    form->addRow(word(DesignerText::jRange), js);
    auto* run = new QPushButton(word(DesignerText::run), this);
    run->setObjectName(QStringLiteral("run"));
    form->addRow(run);

    table_ = new QTableWidget(0, static_cast<int>(std::size(kDesignColumns)) + 2, this);
    table_->setObjectName(QStringLiteral("designs"));
    QStringList heads{word(DesignerText::colCore), word(DesignerText::colPareto)};
    for (const DesignColumn& c : kDesignColumns) heads.insert(heads.size() - 1, q(texts::designerText(c.label, lang())));
    table_->setHorizontalHeaderLabels(heads);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    chart_ = new ChartView(this);
    chart_->setObjectName(QStringLiteral("chart"));
    chart_->setMinimumSize(480, 315);
    chart_->picked = [this](int row) { choose(row); };
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);
    summary_->setToolTip(word(DesignerText::method));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* apply = buttons->addButton(word(DesignerText::apply), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("apply"));

    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addWidget(chart_, 1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(table_, 1);
    all->addWidget(summary_);
    all->addWidget(buttons);

    connect(run, &QPushButton::clicked, this, [this] { redesign(); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { choose(selectedRow()); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { choose(selectedRow()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(1100, 760);
}

void DesignerDialog::setRequest(const DesignRequest& r) {
    goal_->setCurrentIndex(static_cast<int>(r.goal));
    withinClass_->setChecked(r.withinClass);
    setLimit(hot_, r.limits.hot_c);
    setLimit(rise_, r.limits.rise_k);
    setLimit(regulation_, r.limits.regulation_pct);
    setLimit(noLoad_, r.limits.noLoad_pct);
    setLimit(fill_, r.limits.fill);
    jMin_->setValue(r.jMin);
    jMax_->setValue(r.jMax);
}

DesignRequest DesignerDialog::request() const {
    DesignRequest r;
    r.goal = static_cast<DesignGoal>(goal_->currentData().toInt());
    r.withinClass = withinClass_->isChecked();
    r.limits = {limitOf(hot_), limitOf(rise_), limitOf(regulation_), limitOf(noLoad_), limitOf(fill_)};
    r.jMin = jMin_->value();
    r.jMax = jMax_->value();
    r.grade = in_.design.Steel;
    return r;
}

void DesignerDialog::redesign() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    outcome_ = designCores(in_.design, in_.cores, in_.wires, in_.grades, request());
    QApplication::restoreOverrideCursor();
    fill();
}

void DesignerDialog::fill() {
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(outcome_.rows.size()));
    for (int i = 0; i < static_cast<int>(outcome_.rows.size()); ++i) {
        const DesignedCore& d = outcome_.rows[static_cast<size_t>(i)];
        auto* name = new QTableWidgetItem(q(in_.cores[static_cast<size_t>(d.index)].name));  // sorts by text
        name->setData(Qt::UserRole, i);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        table_->setItem(i, 0, name);
        int col = 1;
        for (const DesignColumn& c : kDesignColumns) {
            QTableWidgetItem* item = cell(q(fixed(c.read(d), c.shown)), c.read(d), i);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(i, col++, item);
        }
        table_->setItem(i, col, cell(d.pareto ? QStringLiteral("*") : QString(), d.pareto ? 0 : 1, i));
    }
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();
    if (!outcome_.rows.empty()) table_->selectRow(0);

    chart_->rows = static_cast<int>(outcome_.rows.size());
    chart_->load(QByteArray::fromStdString(designChart(outcome_, lang())));
    const QString none = outcome_.rows.empty() ? word(DesignerText::noneFound) + QLatin1Char(' ') : QString();
    summary_->setText(none + q(designSummary(outcome_, lang())));
}

int DesignerDialog::selectedRow() const {
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    return items.isEmpty() ? -1 : items.front()->data(Qt::UserRole).toInt();
}

void DesignerDialog::choose(int row) {
    if (row < 0 || row >= static_cast<int>(outcome_.rows.size())) return;
    chosen_ = outcome_.rows[static_cast<size_t>(row)].record;
    accept();
}

}  // namespace velmora::ui
