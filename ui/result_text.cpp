#include "result_text.hpp"

#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

#include "hints.hpp"

namespace velmora::ui {

QString shortenedToFit(const QString& full, const QFontMetrics& fm, int width) {
    if (fm.horizontalAdvance(full) <= width) return full;
    bool number = false;
    const double v = full.toDouble(&number);
    if (number) {
        for (int digits = 6; digits >= 0; --digits) {
            const QString e = QString::number(v, 'e', digits);
            if (fm.horizontalAdvance(e) <= width) return e;
        }
    }
    return fm.elidedText(full, Qt::ElideRight, width);
}

void showResult(QLabel* field, const QString& full) {
    if (resultText(field) == full && field->property(kFullTextProperty).isValid()) return;
    field->setProperty(kFullTextProperty, full);
    // The width the field is given, not what a long text would make of it.
    const int margins = 2 * field->frameWidth() + 2 * field->margin() + 4;
    const int width = std::max(field->minimumWidth(), field->maximumWidth() < QWIDGETSIZE_MAX
                                                          ? field->maximumWidth()
                                                          : field->minimumWidth()) -
                      margins;
    const QString shown = shortenedToFit(full, field->fontMetrics(), width);
    field->setText(shown);
    setNotice(field, shown == full ? QString() : full);
}

QString resultText(const QLabel* field) {
    const QVariant full = field->property(kFullTextProperty);
    return full.isValid() ? full.toString() : field->text();
}

}  // namespace velmora::ui
