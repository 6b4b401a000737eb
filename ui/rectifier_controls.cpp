// The rectifier helper in the main window: a button and a mark under each
// secondary's column, the dialog, and the detaching by a hand edit.
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "hints.hpp"
#include "language.hpp"
#include "main_dialog.hpp"
#include "rectifier_dialog.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"

namespace velmora::ui {
namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

texts::Lang lang() { return uiLanguage(); }

// The widget's font, made smaller until its text fits `width` (at most down to 6 pt).
void fitText(QPushButton* b, int width) {
    QFont f = b->parentWidget()->font();
    while (QFontMetrics(f).horizontalAdvance(b->text()) > width && f.pointSizeF() > 6)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    b->setFont(f);
}

}  // namespace

void CBrevinorDlg::buildRectifierControls(QGridLayout* windings, int row) {
    for (int i = 0; i < kSecondaries; ++i) {
        // The column keeps its width: the button's words shrink to it, the mark wraps.
        const int width = control("W2_1")->width();
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("rect2_%1_button").arg(i + 1));
        b->setFixedWidth(width);
        keepText([b, width] {
            b->setText(tr("Выпрямитель..."));
            fitText(b, width - 18);  // less the button's own margins
        });
        connect(b, &QPushButton::clicked, this, [this, i] { OnRectifier(i); });
        windings->addWidget(b, row, i + 2, Qt::AlignCenter);

        auto* mark = new QLabel(this);
        mark->setObjectName(QStringLiteral("rect2_%1_mark").arg(i + 1));
        mark->setAlignment(Qt::AlignCenter);
        mark->setWordWrap(true);
        mark->setFixedWidth(width);
        windings->addWidget(mark, row + 1, i + 2, Qt::AlignCenter);
        rectifierMarks_[static_cast<std::size_t>(i)] = mark;

        for (const char* key : {"U2_", "I2_"}) {
            const std::string name = key + std::to_string(i + 1);
            connect(static_cast<QLineEdit*>(control(name)), &QLineEdit::textChanged, this,
                    [this, i] { onSecondaryEdited(i); });
        }
    }
}

void CBrevinorDlg::onSecondaryEdited(int secondary) {
    if (exchanging_ || !hasRectifier(rec_, secondary)) return;
    rec_.rect2[static_cast<std::size_t>(secondary)] = 0;
    rectifiers_[static_cast<std::size_t>(secondary)] = {};
    applyRectifierMarks();
}

// The mark says what the secondary was set for; its tip, what the helper came to.
void CBrevinorDlg::applyRectifierMarks() {
    for (int i = 0; i < kSecondaries; ++i) {
        QLabel* mark = rectifierMarks_[static_cast<std::size_t>(i)];
        if (!hasRectifier(rec_, i)) {
            mark->clear();
            setHint(mark, QString());
            continue;
        }
        const RectifierInputs s = rectifierInputs(rec_, i);
        const RectifierDesign& d = rectifiers_[static_cast<std::size_t>(i)];
        mark->setText(qs(texts::rectifierMark(s, lang())));
        setHint(mark, qs(texts::rectifierMarkTip(d, s, lang())));
    }
}

void CBrevinorDlg::OnRectifier(int secondary) {
    takeRecord();
    RectifierDialog dlg(rec_, wires_, secondary, boxes_, this);
    if (dlg.exec() != QDialog::Accepted) return;
    setRectifierInputs(rec_, secondary, dlg.inputs());
    showStale(true);
    OnCalculate();
    const RectifierDesign& d = rectifiers_[static_cast<std::size_t>(secondary)];
    if (d.status != RectifierDesignStatus::settled && d.status != RectifierDesignStatus::none)
        warn(qs(texts::rectifierStatus(d, rectifierInputs(rec_, secondary), lang())));
}

}  // namespace velmora::ui
