// The places of the main window's controls: the core picture and the core data at the
// top, one column per winding with its inputs above and its results below, the totals,
// the steel and the comment at the right, the buttons, and the fill strip across the
// whole width. Above the results, a banner when the design cannot work.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core_picture.hpp"
#include "designer_words.hpp"
#include "fill_diagram.hpp"
#include "main_controls.hpp"
#include "steel_group.hpp"
#include "ui_texts.hpp"
#include "window_geometry.hpp"

namespace velmora::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr std::array<const char*, 6> kColumnHeads{"1.", "2.1", "2.2", "2.3", "2.4", "2.5"};

// A label whose text is set by retranslate() (or stays as given).
QLabel* caption(QWidget* parent, const char* name = nullptr, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    if (name) l->setObjectName(QString::fromLatin1(name));
    return l;
}

QFrame* rule(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// The arrows choose the next or the previous core kind, as they choose in any group
// of radio buttons, whichever button has the focus (the toolkit only moves the focus
// when the focused button is not the checked one).
class KindArrows : public QObject {
public:
    KindArrows(QButtonGroup* group) : QObject(group), group_(group) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        int step = 0;
        if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
        if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
        if (step == 0 || static_cast<QKeyEvent*>(e)->modifiers() != Qt::NoModifier) return false;
        const QList<QAbstractButton*> buttons = group_->buttons();
        const int n = static_cast<int>(buttons.size());
        int at = static_cast<int>(buttons.indexOf(static_cast<QAbstractButton*>(watched)));
        for (int tried = 1; tried < n; ++tried) {
            QAbstractButton* next = buttons[(at + step * tried + n * n) % n];
            if (!next->isEnabled() || !next->isVisible()) continue;
            next->setFocus(Qt::TabFocusReason);
            if (!next->isChecked()) next->click();  // as a click: the kind changes
            break;
        }
        return true;
    }

private:
    QButtonGroup* group_;
};

// The button's font, made smaller until its text fits `width` (at most down to 6 pt).
void fitText(QPushButton* b, int width) {
    QFont f = b->parentWidget()->font();
    while (QFontMetrics(f).horizontalAdvance(b->text()) > width && f.pointSizeF() > 6)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    b->setFont(f);
}

}  // namespace

QWidget* MainControls::control(std::string_view name) const {
    if (auto it = byName_.find(name); it != byName_.end()) return it->second;
    return window->findChild<QWidget*>(qs(name));
}

QWidget* MainControls::byId(int id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

void MainControls::keepText(std::function<void()> set) { retranslators_.push_back(std::move(set)); }

void MainControls::retranslate() {
    for (const auto& set : retranslators_) set();
}

MainControls::MainControls(QDialog* dialog) : window(dialog) {
    QDialog* const self = dialog;
    const int numberWidth = dialog->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 12;

    // One control per field, named after it.
    coreGroup = new QButtonGroup(self);
    for (const Field& f : fields()) {
        QWidget* w = nullptr;
        switch (f.control) {
            case ControlKind::none:
                continue;  // held by a dialog of its own
            case ControlKind::edit: {
                auto* e = new QLineEdit(self);
                e->setFixedWidth(numberWidth);
                w = e;
                break;
            }
            case ControlKind::check: {
                auto* c = new QCheckBox(self);
                if (f.name.starts_with("double2"))
                    keepText([c] { c->setText(tr("Да")); });
                else
                    keepText([c, &f] { c->setText(fieldLabel(f)); });
                w = c;
                break;
            }
            case ControlKind::radio:
                for (int k = 0; k < 5; ++k) {
                    auto* b = new QRadioButton(self);
                    keepText([b, k] { b->setText(coreKindText(k)); });
                    b->setObjectName(QStringLiteral("core%1").arg(k));
                    coreGroup->addButton(b, k);
                    byId_[kCoreRadioIds[k]] = b;
                }
                bindings.push_back({&f, nullptr});
                break;
            case ControlKind::combo:
                if (f.name != "Conductor") continue;  // the steel grade: its group's own
                conductor = new QComboBox(self);
                conductor->setEditable(false);
                conductor->setSizeAdjustPolicy(QComboBox::AdjustToContents);
                w = conductor;
                break;
            case ControlKind::label: {
                auto* l = new QLabel(self);
                l->setFrameShape(QFrame::StyledPanel);
                l->setFrameShadow(QFrame::Sunken);
                l->setMinimumWidth(numberWidth);
                l->setAlignment(Qt::AlignCenter);
                l->setTextInteractionFlags(Qt::TextSelectableByMouse);
                w = l;
                break;
            }
        }
        if (!w) continue;
        w->setObjectName(qs(f.name));
        byName_.emplace(std::string(f.name), w);
        byId_[f.id] = w;
        if (f.control != ControlKind::combo) bindings.push_back({&f, w});
    }
    auto field = [this](const char* name) { return control(name); };
    // The label of a field, in the present language.
    auto label = [this, self](const Field& f) {
        QLabel* l = caption(self);
        keepText([l, &f] { l->setText(fieldLabel(f)); });
        return l;
    };
    auto labelOf = [&label](const char* fieldName) { return label(*findField(fieldName)); };

    // Top band: picture, core kind, core and magnetic data, bobbin and insulation.
    picture = new CorePicture(self);
    picture->setObjectName(QString::fromLatin1(names::picture));

    auto* kinds = new QGroupBox(self);
    keepText([kinds] { kinds->setTitle(fieldLabel(*findField("core"))); });
    auto* kindsLayout = new QVBoxLayout(kinds);
    kindsLayout->setSpacing(2);
    auto* arrows = new KindArrows(coreGroup);
    for (QAbstractButton* b : coreGroup->buttons()) {
        kindsLayout->addWidget(b);
        b->installEventFilter(arrows);
    }
    kindsLayout->addStretch();

    auto* core = new QGridLayout;
    core->setVerticalSpacing(3);
    const std::array<std::pair<const char*, const char*>, 4> dims{{{"lst", names::lstLabel},
                                                                   {"hst", names::hstLabel},
                                                                   {"lok", names::lokLabel},
                                                                   {"hok", names::hokLabel}}};
    for (int c = 0; c < 4; ++c) {
        auto [name, labelName] = dims[static_cast<std::size_t>(c)];
        core->addWidget(caption(self, labelName), 0, c, Qt::AlignBottom);  // applyCoreLabels
        core->addWidget(field(name), 1, c);
        byId_[std::array{1020, 1021, 1022, 1055}[static_cast<std::size_t>(c)]] =
            control(labelName);
    }
    QSizePolicy keepPlace = field("hok")->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    field("hok")->setSizePolicy(keepPlace);
    int row = 2;
    for (const char* name : {"Bm", "j", "F"}) {
        core->addWidget(labelOf(name), row, 0, 1, 3);
        core->addWidget(field(name), row++, 3);
    }
    core->setRowStretch(row, 1);

    auto* bobbin = new QGridLayout;
    bobbin->setVerticalSpacing(3);
    bobbin->addWidget(labelOf("hkar"), 0, 0, 1, 4);
    bobbin->addWidget(caption(self, names::hkarPrefix), 1, 0, Qt::AlignRight);
    bobbin->addWidget(field("hkar"), 1, 1);
    bobbin->addWidget(caption(self, names::hkar1Prefix), 1, 2, Qt::AlignRight);
    bobbin->addWidget(field("hkar1"), 1, 3);
    bobbin->addWidget(labelOf("lkar"), 2, 0, 1, 3);
    bobbin->addWidget(field("lkar"), 2, 3);
    bobbin->addWidget(field("razmery"), 3, 0, 1, 4);
    bobbin->addWidget(labelOf("megsl"), 4, 0, 1, 3);
    bobbin->addWidget(field("megsl"), 4, 3);
    bobbin->addWidget(labelOf("megob"), 5, 0, 1, 3);
    bobbin->addWidget(field("megob"), 5, 3);
    bobbin->setRowStretch(6, 1);
    byId_[1057] = control(names::hkarPrefix);
    byId_[1097] = control(names::hkar1Prefix);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(kinds);
    top->addSpacing(6);
    top->addLayout(core);
    top->addSpacing(10);
    top->addLayout(bobbin);
    top->addStretch();

    // The windings: the row labels once on the left, one column per winding.
    auto* windings = new QGridLayout;
    windings->setHorizontalSpacing(3);
    windings->setVerticalSpacing(2);
    for (int c = 0; c < 6; ++c) {
        auto* head = new QLabel(QString::fromLatin1(kColumnHeads[static_cast<std::size_t>(c)]), self);
        head->setAlignment(Qt::AlignCenter);
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
        windings->addWidget(head, 0, c + 1);
    }
    std::map<std::string_view, int> rows;
    int nextRow = 1;
    auto place = [&](FieldRole role) {
        for (const Field& f : fields()) {
            if (f.winding < 1 || f.role != role) continue;
            auto [it, added] = rows.try_emplace(texts::label(f, texts::Lang::ru), nextRow);  // a shared label, one row
            if (added) windings->addWidget(label(f), nextRow++, 0);
            // Every field centred in its winding's column, under the column's head.
            windings->addWidget(control(f.name), it->second, f.winding, Qt::AlignCenter);
        }
    };
    place(FieldRole::input);
    windings->addWidget(rule(self), nextRow++, 0, 1, 7);
    place(FieldRole::result);
    for (const Field& f : fields())
        if (f.winding >= 1 && f.role == FieldRole::result) control(f.name)->setFixedWidth(numberWidth);
    placeRectifierControls(windings, nextRow);
    // The rows keep their height when the column beside is taller: the rectifier
    // buttons stay in sight without scrolling on a laptop's screen.
    windings->setRowStretch(nextRow + 2, 1);

    // Right: the wire kind, the totals, the comment.
    auto* right = new QGridLayout;
    right->setVerticalSpacing(2);
    int r = 0;
    right->addWidget(labelOf("Conductor"), r, 0);
    right->addWidget(conductor, r++, 1, 1, 2);
    right->addWidget(field("use_d"), r++, 0, 1, 3);
    for (const Field& f : fields()) {
        if (f.winding != 0 || f.role != FieldRole::result) continue;
        // A narrow window wraps the long names of the totals rather than scroll.
        QLabel* name = label(f);
        name->setWordWrap(true);
        right->addWidget(name, r, 0);
        right->addWidget(control(f.name), r, 1);
        QLabel* unit = caption(self);
        keepText([unit, &f] { unit->setText(fieldUnit(f)); });
        right->addWidget(unit, r++, 2);
    }
    steel = new SteelGroup(self);
    right->addWidget(steel, r++, 0, 1, 3);
    QLabel* commentLabel = caption(self);
    keepText([commentLabel] { commentLabel->setText(tr("Комментарий")); });
    right->addWidget(commentLabel, r++, 0, 1, 3);
    comment = new QPlainTextEdit(self);
    comment->setObjectName(QString::fromLatin1(names::comment));
    comment->setReadOnly(true);
    comment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comment->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    byId_[1099] = comment;
    right->addWidget(comment, r, 0, 1, 3);
    right->setRowStretch(r, 1);
    right->setColumnStretch(0, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(windings);
    middle->addSpacing(6);
    middle->addLayout(right, 1);

    // Buttons: "Рассчитать" is the default, Enter calculates.
    auto button = [this, self](const char* text, const char* id) {
        auto* b = new QPushButton(self);
        keepText([b, text] { b->setText(tr(text)); });
        b->setObjectName(QString::fromLatin1(id));
        byId_[QString::fromLatin1(id).toInt()] = b;
        return b;
    };
    calculate = button(QT_TR_NOOP("Рассчитать"), names::calculate);
    calculate->setDefault(true);
    load = button(QT_TR_NOOP("Загрузить"), names::load);
    save = button(QT_TR_NOOP("Сохранить"), names::save);
    report = button(QT_TR_NOOP("Сохранить в файле"), names::saveReport);
    exit = button(QT_TR_NOOP("Выход"), names::exit);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {calculate, load, save, report}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(exit);

    diagram = new FillDiagram(self);
    diagram->setObjectName(QString::fromLatin1(names::diagram));

    menu = new QMenuBar(self);  // its commands: window_menus.cpp

    auto* layout = new QVBoxLayout(self);
    layout->setMenuBar(menu);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    // The inputs and results scroll when the screen is smaller than they are; the
    // buttons and the strip stay in sight. Extra room goes to the comment and the strip.
    auto* grid = new QWidget;
    auto* gridLayout = new QVBoxLayout(grid);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(4);
    gridLayout->addLayout(top);
    gridLayout->addWidget(rule(self));
    banner = new QLabel(self);
    banner->setObjectName(QString::fromLatin1(names::banner));
    banner->setWordWrap(true);
    banner->setTextInteractionFlags(Qt::TextSelectableByMouse);
    banner->setStyleSheet(QStringLiteral("QLabel { color: #a00000; background: #fff0f0; "
                                         "border: 1px solid #c00000; padding: 3px; font-weight: bold; }"));
    banner->hide();
    gridLayout->addWidget(banner);
    gridLayout->addLayout(middle, 1);
    auto* scroll = new FittingScrollArea(self);
    scroll->setObjectName(QString::fromLatin1(names::grid));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(grid);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    QLabel* diagramLabel = caption(self);
    keepText([diagramLabel] { diagramLabel->setText(tr("Диаграмма заполнения окна обмотками")); });
    layout->addWidget(diagramLabel);
    layout->addWidget(diagram);

}

// A button and a mark under each secondary's column: the column keeps its width, the
// button's words shrink to it, the mark wraps.
void MainControls::placeRectifierControls(QGridLayout* windings, int row) {
    for (int i = 0; i < kSecondaries; ++i) {
        const int width = control("W2_1")->width();
        auto* b = new QPushButton(window);
        b->setObjectName(QStringLiteral("rect2_%1_button").arg(i + 1));
        b->setFixedWidth(width);
        keepText([b, width] {
            b->setText(tr("Выпрямитель..."));
            fitText(b, width - 18);  // less the button's own margins
        });
        windings->addWidget(b, row, i + 2, Qt::AlignCenter);
        rectifierButtons[static_cast<std::size_t>(i)] = b;

        auto* mark = new QLabel(window);
        mark->setObjectName(QStringLiteral("rect2_%1_mark").arg(i + 1));
        mark->setAlignment(Qt::AlignCenter);
        mark->setWordWrap(true);
        mark->setFixedWidth(width);
        windings->addWidget(mark, row + 1, i + 2, Qt::AlignCenter);
        rectifierMarks[static_cast<std::size_t>(i)] = mark;
    }
}

}  // namespace velmora::ui
