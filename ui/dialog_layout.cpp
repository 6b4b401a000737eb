// The controls of the main window, made from the field table, and their places: the
// core picture and the core data at the top, one column per winding with its inputs
// above and its results below, the totals and the comment at the right, the buttons,
// and the fill strip across the whole width.
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core_picture.hpp"
#include "designer_words.hpp"
#include "fill_diagram.hpp"
#include "steel_group.hpp"
#include "language.hpp"
#include "main_dialog.hpp"
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

}  // namespace

void CBrevinorDlg::buildControls() {
    const int numberWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 12;

    // One control per field, named after it.
    coreGroup_ = new QButtonGroup(this);
    for (const Field& f : fields()) {
        QWidget* w = nullptr;
        switch (f.control) {
            case ControlKind::none:
                continue;  // held by a dialog of its own
            case ControlKind::edit: {
                auto* e = new QLineEdit(this);
                e->setFixedWidth(numberWidth);
                w = e;
                break;
            }
            case ControlKind::check: {
                auto* c = new QCheckBox(this);
                if (f.name.starts_with("double2"))
                    keepText([c] { c->setText(tr("Да")); });
                else
                    keepText([c, &f] { c->setText(fieldLabel(f)); });
                w = c;
                break;
            }
            case ControlKind::radio:
                for (int k = 0; k < 5; ++k) {
                    auto* b = new QRadioButton(this);
                    keepText([b, k] { b->setText(coreKindText(k)); });
                    b->setObjectName(QStringLiteral("core%1").arg(k));
                    coreGroup_->addButton(b, k);
                    byId_[kCoreRadioIds[k]] = b;
                }
                bindings_.push_back({&f, nullptr});
                break;
            case ControlKind::combo:
                if (f.name != "Conductor") continue;  // the steel grade: its group's own
                conductor_ = new QComboBox(this);
                conductor_->setEditable(false);
                conductor_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
                w = conductor_;
                break;
            case ControlKind::label: {
                auto* l = new QLabel(this);
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
        if (f.control != ControlKind::combo) bindings_.push_back({&f, w});
    }
    auto field = [this](const char* name) { return control(name); };
    // The label of a field, in the present language.
    auto label = [this](const Field& f) {
        QLabel* l = caption(this);
        keepText([l, &f] { l->setText(fieldLabel(f)); });
        return l;
    };
    auto labelOf = [&label](const char* fieldName) { return label(*findField(fieldName)); };

    // Top band: picture, core kind, core and magnetic data, bobbin and insulation.
    picture_ = new CorePicture(this);
    picture_->setObjectName(QString::fromLatin1(names::picture));

    auto* kinds = new QGroupBox(this);
    keepText([kinds] { kinds->setTitle(fieldLabel(*findField("core"))); });
    auto* kindsLayout = new QVBoxLayout(kinds);
    kindsLayout->setSpacing(2);
    auto* arrows = new KindArrows(coreGroup_);
    for (QAbstractButton* b : coreGroup_->buttons()) {
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
        core->addWidget(caption(this, labelName), 0, c, Qt::AlignBottom);  // applyCoreLabels
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
    bobbin->addWidget(caption(this, names::hkarPrefix), 1, 0, Qt::AlignRight);
    bobbin->addWidget(field("hkar"), 1, 1);
    bobbin->addWidget(caption(this, names::hkar1Prefix), 1, 2, Qt::AlignRight);
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
    top->addWidget(picture_, 0, Qt::AlignTop);
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
        auto* head = new QLabel(QString::fromLatin1(kColumnHeads[static_cast<std::size_t>(c)]), this);
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
            auto [it, added] = rows.try_emplace(f.label, nextRow);
            if (added) windings->addWidget(label(f), nextRow++, 0);
            // Every field centred in its winding's column, under the column's head.
            windings->addWidget(control(f.name), it->second, f.winding, Qt::AlignCenter);
        }
    };
    place(FieldRole::input);
    windings->addWidget(rule(this), nextRow++, 0, 1, 7);
    place(FieldRole::result);
    for (const Field& f : fields())
        if (f.winding >= 1 && f.role == FieldRole::result) control(f.name)->setFixedWidth(numberWidth);
    buildRectifierControls(windings, nextRow);

    // Right: the wire kind, the totals, the comment.
    auto* right = new QGridLayout;
    right->setVerticalSpacing(2);
    int r = 0;
    right->addWidget(labelOf("Conductor"), r, 0);
    right->addWidget(conductor_, r++, 1, 1, 2);
    right->addWidget(field("use_d"), r++, 0, 1, 3);
    for (const Field& f : fields()) {
        if (f.winding != 0 || f.role != FieldRole::result) continue;
        // A narrow window wraps the long names of the totals rather than scroll.
        QLabel* name = label(f);
        name->setWordWrap(true);
        right->addWidget(name, r, 0);
        right->addWidget(control(f.name), r, 1);
        QLabel* unit = caption(this);
        keepText([unit, &f] { unit->setText(fieldUnit(f)); });
        right->addWidget(unit, r++, 2);
    }
    steel_ = new SteelGroup(this);
    right->addWidget(steel_, r++, 0, 1, 3);
    QLabel* commentLabel = caption(this);
    keepText([commentLabel] { commentLabel->setText(tr("Комментарий")); });
    right->addWidget(commentLabel, r++, 0, 1, 3);
    comment_ = new QPlainTextEdit(this);
    comment_->setObjectName(QString::fromLatin1(names::comment));
    comment_->setReadOnly(true);
    comment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comment_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comment_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    byId_[1099] = comment_;
    right->addWidget(comment_, r, 0, 1, 3);
    right->setRowStretch(r, 1);
    right->setColumnStretch(0, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(windings);
    middle->addSpacing(6);
    middle->addLayout(right, 1);

    // Buttons: "Рассчитать" is the default, Enter calculates.
    auto button = [this](const char* text, const char* id) {
        auto* b = new QPushButton(this);
        keepText([b, text] { b->setText(tr(text)); });
        b->setObjectName(QString::fromLatin1(id));
        byId_[QString::fromLatin1(id).toInt()] = b;
        return b;
    };
    calculate_ = button(QT_TR_NOOP("Рассчитать"), names::calculate);
    calculate_->setDefault(true);
    QPushButton* load = button(QT_TR_NOOP("Загрузить"), names::load);
    QPushButton* save = button(QT_TR_NOOP("Сохранить"), names::save);
    QPushButton* report = button(QT_TR_NOOP("Сохранить в файле"), names::saveReport);
    QPushButton* exit = button(QT_TR_NOOP("Выход"), names::exit);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {calculate_, load, save, report}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(exit);

    diagram_ = new FillDiagram(this);
    diagram_->setObjectName(QString::fromLatin1(names::diagram));

    auto* menu = new QMenuBar(this);
    QAction* advise = menu->addAction(QString());
    advise->setObjectName(QString::fromLatin1(names::advise));
    keepText([advise] { advise->setText(tr("Подобрать &сердечник...")); });
    QAction* design = menu->addAction(QString());  // "Спроектировать...": the designer
    design->setObjectName(QStringLiteral("design"));
    keepText([design] {
        const auto lang = texts::langFromCode(languageInfo(uiLanguage()).code);
        const std::string_view t = texts::designerText(texts::DesignerText::menuItem, lang);
        design->setText(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
    });
    connect(design, &QAction::triggered, this, &CBrevinorDlg::OnDesign);
    QAction* help = menu->addAction(QString());
    QAction* about = menu->addAction(QString());
    help->setObjectName(QString::fromLatin1(names::help));
    about->setObjectName(QString::fromLatin1(names::about));
    keepText([help, about] {
        help->setText(tr("По&мощь"));
        about->setText(tr("&О программе..."));
    });
    // The languages, each named in itself, under a title that reads the same in all.
    QMenu* languages = menu->addMenu(QString::fromUtf8(kLanguageMenu));
    languages->setObjectName(QString::fromLatin1(names::language));
    auto* oneLanguage = new QActionGroup(languages);
    for (const LanguageInfo& l : kLanguages) {
        QAction* a = languages->addAction(QString::fromUtf8(l.name));
        a->setObjectName(QStringLiteral("lang_") +
                         QString::fromLatin1(l.code.data(), static_cast<qsizetype>(l.code.size())));
        a->setCheckable(true);
        oneLanguage->addAction(a);
        languageActions_.emplace_back(l.lang, a);
        connect(a, &QAction::triggered, this, [this, lang = l.lang] { OnLanguage(lang); });
    }

    auto* layout = new QVBoxLayout(this);
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
    gridLayout->addWidget(rule(this));
    gridLayout->addLayout(middle, 1);
    auto* scroll = new FittingScrollArea(this);
    scroll->setObjectName(QString::fromLatin1(names::grid));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(grid);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    QLabel* diagramLabel = caption(this);
    keepText([diagramLabel] { diagramLabel->setText(tr("Диаграмма заполнения окна обмотками")); });
    layout->addWidget(diagramLabel);
    layout->addWidget(diagram_);

    connect(advise, &QAction::triggered, this, &CBrevinorDlg::OnAdviseCore);
    connect(help, &QAction::triggered, this, &CBrevinorDlg::OnHelp);
    connect(about, &QAction::triggered, this, &CBrevinorDlg::OnAbout);
    connect(calculate_, &QPushButton::clicked, this, [this] { OnCalculate(); });
    connect(exit, &QPushButton::clicked, this, &CBrevinorDlg::OnExit);
    connect(load, &QPushButton::clicked, this, &CBrevinorDlg::OnLoad);
    connect(save, &QPushButton::clicked, this, &CBrevinorDlg::OnSave);
    connect(report, &QPushButton::clicked, this, &CBrevinorDlg::OnSaveReport);
}

}  // namespace velmora::ui
