#include "input_marks.hpp"

#include <QCoreApplication>
#include <QLineEdit>
#include <QString>

#include "hints.hpp"
#include "numtext.hpp"

namespace velmora::ui {

void markIfMisread(QLineEdit* e) {
    const std::optional<double> reads = misread(e->text().toStdString());
    const bool marked = reads.has_value();
    if (e->property(kMisreadProperty).toBool() != marked) {
        e->setProperty(kMisreadProperty, marked);
        e->setStyleSheet(marked ? QStringLiteral("QLineEdit { border: 2px solid rgb(255, 0, 0); }")
                                : QString());
    }
    setNotice(e, marked ? QCoreApplication::translate("InputMarks", "Не число: читается как %1")
                              .arg(QString::fromStdString(shortest(*reads)))
                        : QString());
}

}  // namespace velmora::ui
