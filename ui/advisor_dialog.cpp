#include "advisor_dialog.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "advisor_words.hpp"
#include "figure_texts.hpp"
#include "core_list_file.hpp"
#include "core_shape.hpp"
#include "figures.hpp"
#include "language.hpp"
#include "message_boxes.hpp"
#include "numtext.hpp"
#include "ui_texts.hpp"

namespace velmora::ui {

namespace {

texts::Lang lang() { return uiLanguage(); }
QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A cell that sorts by its number, not its text.
class NumberItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& o) const override {
        return data(Qt::UserRole).toDouble() < o.data(Qt::UserRole).toDouble();
    }
};

QTableWidgetItem* sortable(double v, int decimals) {
    auto* item = new NumberItem(q(fixed(v, decimals)));
    item->setData(Qt::UserRole, v);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* textCell(const QString& s, int listIndex = -1) {
    auto* item = new QTableWidgetItem(s);
    if (listIndex >= 0) item->setData(Qt::UserRole, listIndex);
    return item;
}

// The core's own columns, then one per advisor figure (engine/figures.hpp) from cKok on.
enum Column { cName, cKind, cLst, cHst, cLok, cHok, cVerdict, cKok };
constexpr int cCount = cKok + static_cast<int>(std::size(kAdviceFigures));

// A size as the window writes it: one decimal ("25.0"), more only where the size has them.
QString sizeText(double v) {
    const std::string one = fixed(v, 1);
    return q(textToDouble(one) == v ? one : shortest(v));
}

// A dialog at least as wide as its title and the frame's buttons, so that the frame
// does not cut the title.
void fitTitle(QDialog& d) {
    const int width = d.fontMetrics().horizontalAdvance(d.windowTitle()) + 160;
    d.setMinimumWidth(std::max(d.minimumWidth(), width));
}

// The sizes of one core in a small form; nothing when cancelled.
std::optional<ListedCore> editCore(QWidget* parent, const ListedCore& c, const QString& title) {
    QDialog d(parent);
    d.setObjectName(QStringLiteral("core_editor"));
    d.setWindowTitle(title);
    fitTitle(d);
    auto* form = new QFormLayout(&d);
    auto* name = new QLineEdit(q(c.name), &d);
    name->setObjectName(QStringLiteral("name"));
    auto* kind = new QComboBox(&d);
    for (const CoreShape& s : kCoreShapes) kind->addItem(coreKindText(coreNumber(s.kind)));
    kind->setCurrentIndex(c.core);
    std::array<QLineEdit*, 4> sizes{};
    const std::array<double, 4> values{c.lst, c.hst, c.lok, c.hok};
    form->addRow(AdvisorDialog::tr("Название"), name);
    form->addRow(AdvisorDialog::tr("Вид"), kind);
    const QString mm = AdvisorDialog::tr("мм");
    const std::array<QString, 4> labels{QStringLiteral("Ls (D), ") + mm, QStringLiteral("Hs (d), ") + mm,
                                        QStringLiteral("Lok (H), ") + mm, QStringLiteral("Hok, ") + mm};
    for (size_t i = 0; i < sizes.size(); ++i) {
        sizes[i] = new QLineEdit(sizeText(values[i]), &d);
        sizes[i]->setObjectName(QString::fromLatin1(kCoreDimFields[i].data(), 3));
        form->addRow(labels[i], sizes[i]);
    }
    auto* note = new QLineEdit(q(c.note), &d);
    form->addRow(AdvisorDialog::tr("Примечание"), note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    // Sizes read as the window reads its numbers ("25.0" and "25,0" alike).
    auto size = [&](size_t i) { return textToDouble(sizes[i]->text().toStdString()); };
    ListedCore out{name->text().toStdString(), kind->currentIndex(), size(0), size(1), size(2),
                   kind->currentIndex() == 0 ? 0 : size(3), note->text().toStdString()};
    return out;
}

}  // namespace

ListedCore coreOfRecord(const Record& r, const QString& name) {
    auto size = [](std::string text) { return number(text); };
    ListedCore c;
    c.name = listText(name.toStdString());
    c.core = r.core;
    c.lst = size(r.lst);
    c.hst = size(r.hst);
    c.lok = size(r.lok);
    c.hok = isRing(r.core) ? 0 : size(r.hok);
    return c;
}

AdvisorDialog::AdvisorDialog(MessageBoxes& boxes, AdvisorInputs in, QWidget* parent)
    : QDialog(parent), boxes_(boxes), in_(std::move(in)) {
    setObjectName(QStringLiteral("advisor"));
    setWindowTitle(tr("Подбор сердечника"));
    build();
    CoreListOpened opened = OpenCoreList(in_.listPath, in_.dataFolder);
    listOk_ = opened.list.ok;
    if (!opened.list.ok) {
        summary_->setText(q(texts::coreListProblem(opened.list.problem, lang())));
    } else {
        cores_ = std::move(opened.list.cores);
        if (opened.copyError) summary_->setText(storageReason(*opened.copyError));
    }
    readvise();
}

void AdvisorDialog::build() {
    auto* top = new QVBoxLayout(this);
    auto* limits = new QHBoxLayout;
    ranking_ = new QComboBox(this);
    ranking_->setObjectName(QStringLiteral("ranking"));
    for (Ranking r : {Ranking::steelMass, Ranking::rise, Ranking::efficiency})
        ranking_->addItem(q(texts::rankingName(r, lang())), static_cast<int>(r));
    heat_ = new QComboBox(this);
    heat_->setObjectName(QStringLiteral("heat_limit"));
    heat_->addItem(q(texts::advisorWord(texts::AdvisorWord::heatClass, lang())),
                   static_cast<int>(HeatLimit::insulationClass));
    heat_->addItem(q(texts::advisorWord(texts::AdvisorWord::heatRise, lang())), static_cast<int>(HeatLimit::rise));
    designSteel_ = new QCheckBox(q(texts::advisorWord(texts::AdvisorWord::designSteel, lang())), this);
    designSteel_->setObjectName(QStringLiteral("design_steel"));
    designSteel_->setToolTip(q(texts::advisorWord(texts::AdvisorWord::designSteelTip, lang())));
    rise_ = new QDoubleSpinBox(this);
    rise_->setObjectName(QStringLiteral("rise_limit"));
    rise_->setRange(1, 500);
    rise_->setDecimals(0);
    rise_->setValue(AdviceLimits{}.riseLimit);
    rise_->setSuffix(QStringLiteral(" K"));
    margin_ = new QSpinBox(this);
    margin_->setObjectName(QStringLiteral("margin"));
    margin_->setRange(10, 100);
    margin_->setValue(static_cast<int>(AdviceLimits{}.margin * 100 + 0.5));
    margin_->setSuffix(QStringLiteral(" %"));
    limits->addWidget(new QLabel(tr("Порядок:"), this));
    limits->addWidget(ranking_);
    limits->addWidget(new QLabel(q(texts::advisorWord(texts::AdvisorWord::heatLimit, lang())), this));
    limits->addWidget(heat_);
    limits->addWidget(rise_);
    limits->addWidget(new QLabel(tr("Заполнение места не более:"), this));
    limits->addWidget(margin_);
    limits->addStretch();
    top->addLayout(limits);
    top->addWidget(designSteel_);

    table_ = new QTableWidget(0, cCount, this);
    table_->setObjectName(QStringLiteral("cores"));
    QStringList heads{tr("Название"), tr("Вид"), QStringLiteral("Ls/D"), QStringLiteral("Hs/d"),
                      QStringLiteral("Lok/H"), QStringLiteral("Hok"), tr("Итог")};
    for (const AdviceFigure& f : kAdviceFigures) heads << q(texts::figureLabel(f.id, lang()));
    table_->setHorizontalHeaderLabels(heads);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->setMinimumSize(600, 200);
    top->addWidget(table_);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    top->addWidget(summary_);

    auto* buttons = new QHBoxLayout;
    auto button = [&](const QString& text, const char* name, void (AdvisorDialog::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    button(q(texts::advisorWord(texts::AdvisorWord::newCore, lang())), "new", &AdvisorDialog::onNew);
    button(tr("Добавить текущий..."), "add", &AdvisorDialog::onAdd);
    button(tr("Изменить..."), "edit", &AdvisorDialog::onEdit);
    button(tr("Удалить"), "delete", &AdvisorDialog::onDelete);
    buttons->addStretch();
    button(tr("Применить"), "apply", &AdvisorDialog::onApply);
    button(tr("Закрыть"), "close", &AdvisorDialog::reject);
    top->addLayout(buttons);

    connect(ranking_, &QComboBox::currentIndexChanged, this, &AdvisorDialog::readvise);
    connect(rise_, &QDoubleSpinBox::valueChanged, this, &AdvisorDialog::readvise);
    connect(heat_, &QComboBox::currentIndexChanged, this, &AdvisorDialog::readvise);
    connect(designSteel_, &QCheckBox::toggled, this, &AdvisorDialog::readvise);
    connect(margin_, &QSpinBox::valueChanged, this, &AdvisorDialog::readvise);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { onApply(); });
}

void AdvisorDialog::setLimits(Ranking by, std::optional<double> riseLimit, double marginPct, bool designSteel) {
    const QSignalBlocker quiet(designSteel_);
    ranking_->setCurrentIndex(ranking_->findData(static_cast<int>(by)));
    heat_->setCurrentIndex(heat_->findData(static_cast<int>(riseLimit ? HeatLimit::rise : HeatLimit::insulationClass)));
    if (riseLimit) rise_->setValue(*riseLimit);
    designSteel_->setChecked(designSteel);
    margin_->setValue(static_cast<int>(marginPct));
    readvise();
}

void AdvisorDialog::readvise() {
    AdviceLimits limits;
    limits.by = static_cast<Ranking>(ranking_->currentData().toInt());
    limits.heat = static_cast<HeatLimit>(heat_->currentData().toInt());
    limits.riseLimit = rise_->value();
    limits.margin = margin_->value() / 100.0;
    limits.designSteel = designSteel_->isChecked();
    rise_->setEnabled(limits.heat == HeatLimit::rise);
    advice_ = adviseCores(in_.design, cores_, in_.wires, in_.grades, in_.design.Steel, limits);

    // Every core of the list: those that fit in their rank, the others after them.
    std::vector<CoreAdvice> rows = advice_.ranked;
    rows.insert(rows.end(), advice_.others.begin(), advice_.others.end());
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const CoreAdvice& a = rows[r];
        const ListedCore& c = cores_[a.index];
        table_->setItem(r, cName, textCell(q(c.name), a.index));
        table_->setItem(r, cKind, textCell(coreKindText(c.core)));
        table_->setItem(r, cLst, sortable(c.lst, 1));
        table_->setItem(r, cHst, sortable(c.hst, 1));
        table_->setItem(r, cLok, sortable(c.lok, 1));
        table_->setItem(r, cHok, isRing(c.core) ? textCell(QStringLiteral("-")) : sortable(c.hok, 1));
        table_->setItem(r, cVerdict, textCell(q(texts::verdictName(a.verdict, lang()))));
        const bool run = a.verdict != Verdict::overfill && a.verdict != Verdict::refused;
        int column = cKok;  // one column per advisor figure (engine/figures.hpp), from Kok on
        for (const AdviceFigure& f : kAdviceFigures)
            table_->setItem(r, column++, run ? sortable(f.read(a).value_or(0), f.shown) : textCell(QString()));
    }
    table_->resizeColumnsToContents();
    if (!rows.empty()) table_->selectRow(0);
    if (listOk_) summary_->setText(q(texts::adviceSummary(advice_, static_cast<int>(cores_.size()), lang())));
}

int AdvisorDialog::selectedCore() const {
    const int row = table_->currentRow();
    if (row < 0 || !table_->item(row, cName)) return -1;
    return table_->item(row, cName)->data(Qt::UserRole).toInt();
}

bool AdvisorDialog::save(const std::vector<ListedCore>& next) {
    if (!listOk_) return false;  // a list that could not be read is never written over
    const WriteOutcome w = SaveCoreList(in_.listPath, next);
    if (!w.ok) {
        boxes_.show(this, warningCaption(), storageReason(w.error));
        return false;
    }
    cores_ = next;
    readvise();
    return true;
}

bool AdvisorDialog::addCurrent(const QString& name) {
    const ListedCore c = coreOfRecord(in_.design, name);
    if (c.name.empty()) return false;
    std::vector<ListedCore> next = cores_;
    next.push_back(c);
    return save(next);
}

namespace {

// The entry as the list keeps it; none without a name or with a size that is no size.
std::optional<ListedCore> cleaned(const ListedCore& c) {
    ListedCore clean = c;
    clean.name = listText(c.name);
    clean.note = listText(c.note);
    if (clean.name.empty() || !(clean.lst > 0 && clean.hst > 0 && clean.lok > 0) ||
        (!isRing(clean.core) && !(clean.hok > 0)))
        return std::nullopt;
    return clean;
}

}  // namespace

bool AdvisorDialog::replaceCore(int index, const ListedCore& c) {
    if (index < 0 || index >= static_cast<int>(cores_.size())) return false;
    const std::optional<ListedCore> clean = cleaned(c);
    if (!clean) return false;
    std::vector<ListedCore> next = cores_;
    next[static_cast<size_t>(index)] = *clean;
    return save(next);
}

bool AdvisorDialog::addCore(const ListedCore& c) {
    const std::optional<ListedCore> clean = cleaned(c);
    if (!clean) return false;
    std::vector<ListedCore> next = cores_;
    next.push_back(*clean);
    return save(next);
}

bool AdvisorDialog::deleteCore(int index) {
    if (index < 0 || index >= static_cast<int>(cores_.size())) return false;
    std::vector<ListedCore> next = cores_;
    next.erase(next.begin() + index);
    return save(next);
}

void AdvisorDialog::applyCore(int index) {
    if (index < 0 || index >= static_cast<int>(cores_.size())) return;
    chosen_ = cores_[static_cast<size_t>(index)];
    accept();
}

void AdvisorDialog::onNew() {
    // The sizes of the window's core to start from; the name is the user's.
    const QString title = q(texts::advisorWord(texts::AdvisorWord::newCoreTitle, lang()));
    if (auto c = editCore(this, coreOfRecord(in_.design, QString()), title)) addCore(*c);
}

void AdvisorDialog::onAdd() {
    // A form of its own rather than the input dialog, whose layout would keep it
    // narrower than its title.
    QDialog ask(this);
    ask.setWindowTitle(tr("Добавить текущий сердечник"));
    fitTitle(ask);
    auto* form = new QFormLayout(&ask);
    auto* name = new QLineEdit(&ask);
    form->addRow(tr("Название сердечника:"), name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    if (ask.exec() == QDialog::Accepted) addCurrent(name->text());
}

void AdvisorDialog::onEdit() {
    const int i = selectedCore();
    if (i < 0) return;
    const QString title = q(texts::advisorWord(texts::AdvisorWord::coreTitle, lang()));
    if (auto c = editCore(this, cores_[static_cast<size_t>(i)], title)) replaceCore(i, *c);
}

void AdvisorDialog::onDelete() {
    const int i = selectedCore();
    if (i < 0) return;
    if (boxes_.ask(this, warningCaption(), tr("Удалить из списка сердечник \"%1\"?").arg(q(cores_[i].name))))
        deleteCore(i);
}

void AdvisorDialog::onApply() { applyCore(selectedCore()); }

bool AdvisorDialog::designSteel() const { return designSteel_->isChecked(); }

}  // namespace velmora::ui
