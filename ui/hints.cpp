#include "hints.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPalette>
#include <QProxyStyle>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>
#include <array>

namespace velmora::ui {
namespace {

constexpr std::string_view kCentreTap = QT_TRANSLATE_NOOP("Hints",
    "Установка галочки означает, что эта обмотка имеет две секции, включенные со средней "
    "точкой.\nПри этом следует вводить напряжение и ток для одной секции. А программа сама "
    "рассчитает суммарную мощность и размещение обеих секций.\nЧтобы секции вышли одинаковыми, "
    "их следует наматывать одновременно, в два провода.");

// Every text is in Russian, the source of its translations.
const std::array<HintText, 17> kStartHints{{
    {1006, QT_TRANSLATE_NOOP("Hints",
                "Для аудио применений рекомендуется амплитуда индукции 1,2 Тесла для ленточных "
                "сердечников и 1 Тесла для пластинчатых сердечников")},
    {1010, QT_TRANSLATE_NOOP("Hints",
                "Плотность тока зависит от размеров сердечника.\nДля больших сердечников условия "
                "охлаждения обмоток хуже, поэтому плотность тока выбирается меньше, чем для "
                "сердечников малых размеров.\nДля аудио применений плотность тока также зависит от "
                "режима работы усилителя. Например, для усилителей класса А рекомендуется плотность "
                "тока 2,5 А/мм2, а для класса АВ можно плотность тока брать 3,5-4 А/мм2")},
    {1004, QT_TRANSLATE_NOOP("Hints", "Высота окна")},
    {1067, QT_TRANSLATE_NOOP("Hints",
                "Ширина каркаса.\nДля кольца это ширина сердечника по изоляции.\n"
                "Размеры каркаса нужны для расчета укладки провода и длины провода")},
    {1066, QT_TRANSLATE_NOOP("Hints",
                "Высота каркаса.\nДля кольца это высота сердечника по изоляции.\n"
                "Размеры каркаса нужны для расчета укладки провода и длины провода")},
    {1065, QT_TRANSLATE_NOOP("Hints",
                "Длина каркаса под намотку - это расстояние между щечками каркаса.\n"
                "Размеры каркаса нужны для расчета укладки провода и длины провода")},
    {1092, QT_TRANSLATE_NOOP("Hints", "Желаемый диаметр провода первичной обмотки")},
    {1011, QT_TRANSLATE_NOOP("Hints",
                "Число витков первичной обмотки на 1 В ее ЭДС под нагрузкой. Витки выбираются при "
                "максимальном напряжении сети, чтобы индукция не превысила заданную; при номинальном "
                "напряжении она меньше.")},
    {3, QT_TRANSLATE_NOOP("Hints",
             "Загрузка сохраненных исходных данных из файла с расширением .sav")},
    {4, QT_TRANSLATE_NOOP("Hints",
             "Сохранение исходных данных в файл с расширением .sav во внутреннем формате данных для "
             "последующего использования.")},
    {5, QT_TRANSLATE_NOOP("Hints", "Сохранение комментария в текстовом файле.")},
    {1073, QT_TRANSLATE_NOOP("Hints",
                "Со снятой галочкой размеры каркаса вычисляются автоматически, добавлением к ширине и "
                "высоте стали толщины стенок (1 мм) каркаса или изоляции кольца.\nДля корректировки "
                "размеров установите галочку и ведите истинные размеры каркаса или изоляции кольца.")},
    {1068, kCentreTap},
    {1069, kCentreTap},
    {1070, kCentreTap},
    {1071, kCentreTap},
    {1072, kCentreTap},
}};

// Tips appear 100 ms after the pointer stops instead of the toolkit's 700; the menu
// bar answers Alt.
class HintStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return kTipDelayMs;
        // Alt pressed and let go takes the keyboard to the menu bar, on every style.
        if (hint == SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

// Where a control keeps its own hint and the notice that stands over it.
constexpr const char* kHintProperty = "velmoraHint";
constexpr const char* kNoticeProperty = "velmoraNotice";

// The lines of a tip: the frame, margins and border of the tip take the rest of
// its 350 pixels.
constexpr int kTipTextWidth = kTipMaxWidth - 20;

// A plain tip that is wider than the tip may be is cut, not wrapped, by the toolkit;
// every plain tip is shown with its lines broken here instead.
class TipWrapper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::ToolTip || !o->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(o);
        const QString text = w->toolTip();
        if (text.isEmpty() || Qt::mightBeRichText(text)) return false;
        const auto* help = static_cast<QHelpEvent*>(e);
        QToolTip::showText(help->globalPos(),
                           wrapTip(text, QFontMetrics(QToolTip::font()), kTipTextWidth), w,
                           QRect(), w->toolTipDuration());
        return true;
    }
};

void applyTip(QWidget* w) {
    const QString notice = w->property(kNoticeProperty).toString();
    w->setToolTip(notice.isEmpty() ? w->property(kHintProperty).toString() : notice);
    w->setToolTipDuration(kTipDurationMs);
}

// Breaks a word too wide for a line alone into pieces that fit.
QStringList pieces(const QString& word, const QFontMetrics& fm, int width) {
    QStringList out;
    QString piece;
    for (QChar c : word) {
        if (!piece.isEmpty() && fm.horizontalAdvance(piece + c) > width) {
            out << piece;
            piece.clear();
        }
        piece += c;
    }
    out << piece;
    return out;
}

}  // namespace

std::span<const HintText> startHints() { return kStartHints; }

QString hintText(std::string_view source) {
    return QCoreApplication::translate(kHintContext, std::string(source).c_str());
}

QString wrapTip(const QString& text, const QFontMetrics& fm, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        auto begin = [&](const QString& word) {  // a new line that starts with the word
            QStringList parts = pieces(word, fm, width);
            line = parts.takeLast();
            lines << parts;
        };
        const QStringList words = paragraph.split(QLatin1Char(' '));
        begin(words.front());
        for (qsizetype i = 1; i < words.size(); ++i) {
            const QString longer = line + QLatin1Char(' ') + words[i];
            if (fm.horizontalAdvance(longer) <= width) {
                line = longer;
            } else {
                lines << line;
                begin(words[i]);
            }
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

void installHintStyle(QApplication& app) {
    if (app.property("velmoraHintStyle").toBool()) return;
    app.setProperty("velmoraHintStyle", true);
    app.setStyle(new HintStyle(app.style()->name()));

    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(255, 240, 160));
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);
    // Plain tips wrap at this width; the colour is repeated because a style sheet
    // replaces the palette of the tips it styles.
    app.setStyleSheet(app.styleSheet() +
                      QStringLiteral("QToolTip { max-width: %1px; background-color: rgb(255, 240, 160);"
                                     " color: black; border: 1px solid #808080; }")
                          .arg(kTipMaxWidth));
    app.installEventFilter(new TipWrapper(&app));
}

void setHint(QWidget* w, const QString& text) {
    w->setProperty(kHintProperty, text);
    applyTip(w);
}

void setNotice(QWidget* w, const QString& notice) {
    w->setProperty(kNoticeProperty, notice);
    applyTip(w);
}

}  // namespace velmora::ui
