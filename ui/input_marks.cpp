#include "input_marks.hpp"

#include <QCoreApplication>
#include <QLineEdit>
#include <QString>
#include <QVariant>

#include "hints.hpp"
#include "numtext.hpp"

namespace velmora::ui {
namespace {

constexpr const char* kMisreadNotice = "misreadNotice";

// One frame and one tip for both marks; a misread text says so first, since the size
// it seems to hold is not what was meant.
void applyMarks(QLineEdit* e) {
    const bool misread = e->property(kMisreadProperty).toBool();
    const QString impossible = e->property(kImpossibleProperty).toString();
    const bool marked = misread || !impossible.isEmpty();
    const QString sheet = marked ? QStringLiteral("QLineEdit { border: 2px solid rgb(255, 0, 0); }") : QString();
    if (e->styleSheet() != sheet) e->setStyleSheet(sheet);
    setNotice(e, misread ? e->property(kMisreadNotice).toString() : impossible);
}

}  // namespace

void markIfMisread(QLineEdit* e) {
    const std::optional<double> reads = misread(e->text().toStdString());
    e->setProperty(kMisreadProperty, reads.has_value());
    e->setProperty(kMisreadNotice, reads ? QCoreApplication::translate("InputMarks", "Не число: читается как %1")
                                               .arg(QString::fromStdString(shortest(*reads)))
                                         : QString());
    applyMarks(e);
}

void markImpossible(QLineEdit* e, const QString& why) {
    if (e->property(kImpossibleProperty).toString() == why && e->property(kImpossibleProperty).isValid())
        return;
    e->setProperty(kImpossibleProperty, why);
    applyMarks(e);
}

}  // namespace velmora::ui
