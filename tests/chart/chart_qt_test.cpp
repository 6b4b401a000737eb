// Qt Svg reads the chart as the window will: valid, every point found by its id where
// the chart put it, and painted in its colour.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>
#include <regex>

#include "designer_words.hpp"
#include "languages.hpp"
#include "trade_off_svg.hpp"

using namespace velmora::chart;

TEST(ChartInQtSvg, PointsAreFoundAndPaintedInTheirColour) {
    std::vector<ChartPoint> pts;
    for (int r = 0; r < 8; ++r) pts.push_back({r, 1.0 + r, 40.0 - 3 * r, 50.0 + 10 * r, r % 2 == 0});
    const std::string svg = tradeOffSvg(pts, 5, {"T", "m, kg", "P, W", "t, °C", "front", "chosen"});
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    ASSERT_TRUE(renderer.isValid());
    QImage image(640, 420, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();

    const std::regex circle(
        "<circle id=\"row-([0-9]+)\" cx=\"([-0-9.]+)\" cy=\"([-0-9.]+)\" r=\"[0-9.]+\" fill=\"(#[0-9a-f]{6})\"");
    int seen = 0;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), circle); it != std::sregex_iterator(); ++it) {
        const QString id = QString::fromStdString("row-" + (*it)[1].str());
        const double cx = std::stod((*it)[2]), cy = std::stod((*it)[3]);
        ASSERT_TRUE(renderer.elementExists(id)) << id.toStdString();
        const QRectF b = renderer.boundsOnElement(id);
        EXPECT_NEAR(b.center().x(), cx, 0.6);
        EXPECT_NEAR(b.center().y(), cy, 0.6);
        const QColor painted = image.pixelColor(static_cast<int>(cx), static_cast<int>(cy));
        const QColor fill(QString::fromStdString((*it)[4]));
        EXPECT_NEAR(painted.red(), fill.red(), 8) << id.toStdString();
        EXPECT_NEAR(painted.green(), fill.green(), 8) << id.toStdString();
        EXPECT_NEAR(painted.blue(), fill.blue(), 8) << id.toStdString();
        ++seen;
    }
    EXPECT_EQ(seen, 8);
    EXPECT_TRUE(renderer.elementExists("front"));
}

// The legend and the title stay on the chart in every language, at the smallest size
// and the usual one, hot spots of three digits and of one decimal.
TEST(ChartInQtSvg, EveryLanguagesLegendStaysOnTheChart) {
    using velmora::texts::DesignerText;
    for (std::size_t i = 0; i < velmora::texts::languages().size(); ++i) {
        const velmora::texts::Lang lang = velmora::texts::langAt(i);
        auto w = [&](DesignerText id) { return std::string(velmora::texts::designerText(id, lang)); };
        const ChartWords words{w(DesignerText::chartTitle), w(DesignerText::chartMass), w(DesignerText::chartLoss),
                               w(DesignerText::chartHot),   w(DesignerText::chartFront), w(DesignerText::chartChosen)};
        for (const ChartSize size : {ChartSize{320, 240}, ChartSize{}})
            for (const double hotSpan : {140.0, 0.4}) {
                const std::vector<ChartPoint> pts{{0, 1, 20, 100, true}, {1, 2, 10, 100 + hotSpan, true}};
                QSvgRenderer renderer(QByteArray::fromStdString(tradeOffSvg(pts, 1, words, size)));
                ASSERT_TRUE(renderer.elementExists("legend"));
                const QRectF legend = renderer.boundsOnElement("legend");
                EXPECT_GT(legend.width(), 0);
                EXPECT_LE(legend.right(), size.width) << velmora::texts::language(lang).code << " " << size.width;
            }
    }
}

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
