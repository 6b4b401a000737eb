#include "advisor_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "advisor_words.hpp"
#include "core_list_file.hpp"
#include "core_shape.hpp"
#include "figures.hpp"
#include "language.hpp"
#include "message_boxes.hpp"
#include "numtext.hpp"
#include "ui_texts.hpp"

namespace velmora::ui {

namespace {

texts::Lang lang() { return texts::langFromCode(languageInfo(uiLanguage()).code); }
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

enum Column { cName, cKind, cLst, cHst, cLok, cHok, cVerdict, cKok, cRise, cEff, cSteel, cCopper, cW1, cD1, cCount };

// The sizes of one core in a small form; nothing when cancelled.
std::optional<ListedCore> editCore(QWidget* parent, const ListedCore& c) {
    QDialog d(parent);
    d.setWindowTitle(AdvisorDialog::tr("Сердечник"));
    auto* form = new QFormLayout(&d);
    auto* name = new QLineEdit(q(c.name), &d);
    auto* kind = new QComboBox(&d);
    for (const CoreShape& s : kCoreShapes) kind->addItem(coreKindText(coreNumber(s.kind)));
    kind->setCurrentIndex(c.core);
    std::array<QDoubleSpinBox*, 4> sizes{};
    const std::array<double, 4> values{c.lst, c.hst, c.lok, c.hok};
    form->addRow(AdvisorDialog::tr("Название"), name);
    form->addRow(AdvisorDialog::tr("Вид"), kind);
    const QString mm = AdvisorDialog::tr("мм");
    const std::array<QString, 4> labels{QStringLiteral("Ls (D), ") + mm, QStringLiteral("Hs (d), ") + mm,
                                        QStringLiteral("Lok (H), ") + mm, QStringLiteral("Hok, ") + mm};
    for (size_t i = 0; i < sizes.size(); ++i) {
        sizes[i] = new QDoubleSpinBox(&d);
        sizes[i]->setRange(0, 10000);
        sizes[i]->setDecimals(2);
        sizes[i]->setValue(values[i]);
        form->addRow(labels[i], sizes[i]);
    }
    auto* note = new QLineEdit(q(c.note), &d);
    form->addRow(AdvisorDialog::tr("Примечание"), note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    ListedCore out{name->text().toStdString(), kind->currentIndex(), sizes[0]->value(), sizes[1]->value(),
                   sizes[2]->value(), kind->currentIndex() == 0 ? 0 : sizes[3]->value(),
                   note->text().toStdString()};
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
    limits->addWidget(new QLabel(tr("Перегрев не более:"), this));
    limits->addWidget(rise_);
    limits->addWidget(new QLabel(tr("Заполнение места не более:"), this));
    limits->addWidget(margin_);
    limits->addStretch();
    top->addLayout(limits);

    table_ = new QTableWidget(0, cCount, this);
    table_->setObjectName(QStringLiteral("cores"));
    table_->setHorizontalHeaderLabels({tr("Название"), tr("Вид"), QStringLiteral("Ls/D"), QStringLiteral("Hs/d"),
                                       QStringLiteral("Lok/H"), QStringLiteral("Hok"), tr("Итог"), QStringLiteral("Kok"),
                                       tr("Перегрев, К"), tr("КПД, %"), tr("Сталь, кг"), tr("Медь, кг"),
                                       QStringLiteral("W1"), QStringLiteral("D1")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->setMinimumSize(900, 300);
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
    button(tr("Добавить текущий..."), "add", &AdvisorDialog::onAdd);
    button(tr("Изменить..."), "edit", &AdvisorDialog::onEdit);
    button(tr("Удалить"), "delete", &AdvisorDialog::onDelete);
    buttons->addStretch();
    button(tr("Применить"), "apply", &AdvisorDialog::onApply);
    button(tr("Закрыть"), "close", &AdvisorDialog::reject);
    top->addLayout(buttons);

    connect(ranking_, &QComboBox::currentIndexChanged, this, &AdvisorDialog::readvise);
    connect(rise_, &QDoubleSpinBox::valueChanged, this, &AdvisorDialog::readvise);
    connect(margin_, &QSpinBox::valueChanged, this, &AdvisorDialog::readvise);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { onApply(); });
}

void AdvisorDialog::setLimits(Ranking by, double riseLimit, double marginPct) {
    ranking_->setCurrentIndex(ranking_->findData(static_cast<int>(by)));
    rise_->setValue(riseLimit);
    margin_->setValue(static_cast<int>(marginPct));
    readvise();
}

void AdvisorDialog::readvise() {
    AdviceLimits limits;
    limits.by = static_cast<Ranking>(ranking_->currentData().toInt());
    limits.riseLimit = rise_->value();
    limits.margin = margin_->value() / 100.0;
    // The record has no steel grade of its own yet: each core kind's default grade.
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

bool AdvisorDialog::replaceCore(int index, const ListedCore& c) {
    if (index < 0 || index >= static_cast<int>(cores_.size())) return false;
    ListedCore clean = c;
    clean.name = listText(c.name);
    clean.note = listText(c.note);
    if (clean.name.empty() || !(clean.lst > 0 && clean.hst > 0 && clean.lok > 0) ||
        (!isRing(clean.core) && !(clean.hok > 0)))
        return false;
    std::vector<ListedCore> next = cores_;
    next[static_cast<size_t>(index)] = clean;
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

void AdvisorDialog::onAdd() {
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Добавить текущий сердечник"), tr("Название сердечника:"),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok) addCurrent(name);
}

void AdvisorDialog::onEdit() {
    const int i = selectedCore();
    if (i < 0) return;
    if (auto c = editCore(this, cores_[static_cast<size_t>(i)])) replaceCore(i, *c);
}

void AdvisorDialog::onDelete() {
    const int i = selectedCore();
    if (i < 0) return;
    if (boxes_.ask(this, warningCaption(), tr("Удалить из списка сердечник \"%1\"?").arg(q(cores_[i].name))))
        deleteCore(i);
}

void AdvisorDialog::onApply() { applyCore(selectedCore()); }

}  // namespace velmora::ui
