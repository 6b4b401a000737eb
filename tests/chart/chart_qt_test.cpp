// Qt Svg reads the chart as the window will: valid, every point found by its id where
// the chart put it, and painted in its colour.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>
#include <regex>

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

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
