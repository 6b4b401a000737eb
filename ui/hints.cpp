#include "hints.hpp"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>
#include <array>

namespace velmora::ui {
namespace {


constexpr std::string_view kCentreTap =
    "Установка галочки означает, что эта обмотка имеет две секции, включенные со средней "
    "точкой.\nПри этом следует вводить напряжение и ток для одной секции. А программа сама "
    "рассчитает суммарную мощность и размещение обеих секций.\nДля полной идентичности секций "
    "секции следует наматывать одновременно.";

const std::array<HintText, 16> kStartHints{{
    {1006, "Для аудио применений рекомендуется амплитуда индукции 1,2 Тесла для ленточных "
           "сердечников и 1 Тесла для пластинчатых сердечников"},
    {1010, "Плотность тока зависит от размеров сердечника.\nДля больших сердечников условия "
           "охлаждения обмоток хуже, поэтому плотность тока выбирается меньше, чем для "
           "сердечников малых размеров.\nДля аудио применений плотность тока также зависит от "
           "режима работы усилителя. Например, для усилителей класса А рекомендуется плотность "
           "тока 2,5 А/мм2, а для класса АВ можно плотность тока брать 3,5-4 А/мм2"},
    {1004, "Высота окна"},
    {1067, "Ширина каркаса.\nДля кольца это ширина сердечника по изоляции.\n"
           "Размеры каркаса нужны для расчета укладки провода и длины провода"},
    {1066, "Высота каркаса.\nДля кольца это высота сердечника по изоляции.\n"
           "Размеры каркаса нужны для расчета укладки провода и длины провода"},
    {1065, "Длина каркаса под намотку - это расстояние между щечками каркаса.\n"
           "Размеры каркаса нужны для расчета укладки провода и длины провода"},
    {1092, "Желаемый диаметр провода первичной обмотки"},
    {3, "Загрузка сохраненных исходных данных из файла с расширеним .sav"},
    {4, "Сохранение исходных данных в файл с расширеним .sav во внутреннем формате данных для "
        "последующего использования."},
    {5, "Сохранение комментария в текстовом файле."},
    {1073, "Со снятой галочкой размеры каркаса вычисляются автоматически, добавлением к ширине и "
           "высоте стали толщины стенок (1 мм) каркаса или изоляции кольца.\nДля корректировки "
           "размеров установите галочку и ведите истинные размеры каркаса или изоляции кольца."},
    {1068, kCentreTap},
    {1069, kCentreTap},
    {1070, kCentreTap},
    {1071, kCentreTap},
    {1072, kCentreTap},
}};

// Tips appear 100 ms after the pointer stops instead of the toolkit's 700.
class HintStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return kTipDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

}  // namespace

std::span<const HintText> startHints() { return kStartHints; }

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
}

void setHint(QWidget* w, std::string_view text) {
    w->setToolTip(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    w->setToolTipDuration(kTipDurationMs);
}

}  // namespace velmora::ui
