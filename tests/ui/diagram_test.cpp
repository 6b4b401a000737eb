// The fill strip and the core pictures, painted into images, an overfill included;
// and the whole window of each core kind and the overfilled strips rendered to PNG
// files in the build folder for people to look at.
#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QTest>

#include "calculation.hpp"
#include "core_picture.hpp"
#include "fill_diagram.hpp"
#include "window_fixture.hpp"
#include "wires.hpp"

using namespace velmora;
using namespace velmora::ui;
using namespace velmora::uitest;

namespace {

constexpr int kW = 600, kH = 20;

QImage paint(const FillExtents& e) {
    FillDiagram strip;
    strip.resize(kW, kH);
    strip.setExtents(e);
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(Qt::gray);
    strip.render(&img);
    return img;
}

QColor at(const QImage& img, int x, int y = 2) { return img.pixelColor(x, y); }

const QColor kFree(0, 255, 0), kPrimary(160, 0, 64), kSecondary(160, 0, 96), kRed(255, 0, 0);

// The x of the first whitish pixel (a label, anti-aliased) between x0 and x1, or -1.
int firstWhite(const QImage& img, int x0, int x1) {
    for (int x = x0; x < x1; ++x)
        for (int y = 0; y < kH; ++y) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() > 200) return x;
        }
    return -1;
}

}  // namespace

TEST(FillDiagram, NoExtentsLeaveTheStripGreenWithABorder) {
    const QImage img = paint({0, {}, 2, 0.3});
    EXPECT_EQ(at(img, 0), Qt::black);
    EXPECT_EQ(at(img, kW - 1), Qt::black);
    EXPECT_EQ(at(img, 5, 0), Qt::black);
    EXPECT_EQ(at(img, 5, kH - 1), Qt::black);
    EXPECT_EQ(at(img, 5), kFree);
    EXPECT_EQ(at(img, 300, 10), kFree);
    EXPECT_EQ(firstWhite(img, 0, kW), -1);
}

TEST(FillDiagram, WindingsInTheirColoursWithCentredLabels) {
    const QImage img = paint({200, {300, 0, 0, 0, 0}, 2, 0.3});
    EXPECT_EQ(at(img, 100, 3), kPrimary);
    EXPECT_EQ(at(img, 199), Qt::black);  // the border of the primary's box
    EXPECT_EQ(at(img, 250, 3), kSecondary);
    EXPECT_EQ(at(img, 299), Qt::black);
    EXPECT_EQ(at(img, 400), kFree);
    // "1" about the middle of 0..200, "2.1" about the middle of 200..300.
    const int one = firstWhite(img, 1, 199);
    EXPECT_GT(one, 85);
    EXPECT_LT(one, 100);
    const int two = firstWhite(img, 201, 299);
    EXPECT_GT(two, 230);
    EXPECT_LT(two, 250);
}

TEST(FillDiagram, ASecondaryAfterAnUnusedOneStartsAtTheLastWindingDrawn) {
    // 2.1 unused, 2.2 and 2.4 used: 2.2 runs from the primary's end, 2.4 from 2.2's.
    const QImage img = paint({200, {0, 300, 0, 420, 0}, 1, 0.3});
    EXPECT_EQ(at(img, 150, 3), kPrimary);  // not painted over from the left edge
    EXPECT_EQ(at(img, 250, 3), kSecondary);
    EXPECT_EQ(at(img, 350, 3), kSecondary);
    EXPECT_EQ(at(img, 299), Qt::black);
    EXPECT_EQ(at(img, 500), kFree);
    const int label = firstWhite(img, 301, 419);
    EXPECT_GT(label, 340);  // centred on 300..420
    EXPECT_LT(label, 360);
}

TEST(FillDiagram, TheRingKeepsItsHoleReserveInRed) {
    const QImage img = paint({0, {}, 0, 0.3});
    const int x0 = kW - static_cast<int>(kW * 0.3);  // 420
    EXPECT_EQ(at(img, x0 - 2), kFree);
    EXPECT_EQ(at(img, x0), Qt::black);
    EXPECT_EQ(at(img, x0 + 3, 2), kRed);
    EXPECT_NE(firstWhite(img, x0, kW), -1);  // "Полностью дырку от бублика нельзя занимать!"
    EXPECT_EQ(paint({0, {}, 1, 0.3}).pixelColor(x0 + 3, 2), kFree);  // only for a ring
}

TEST(FillDiagram, ANarrowSegmentsLabelOverflowsCentred) {
    const QImage img = paint({4, {}, 2, 0.3});
    const int one = firstWhite(img, 0, 20);
    EXPECT_GE(one, 0);
    EXPECT_LT(one, 4);
}

TEST(CorePicture, EveryKindHasItsOwnSketch) {
    CorePicture picture;
    std::vector<QImage> images;
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(picture.hasPicture(k)) << k;
        picture.setCore(k);
        QImage img(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
        img.fill(Qt::magenta);
        picture.render(&img);
        EXPECT_NE(img.pixelColor(88, 65), Qt::magenta) << k;  // drawn over the rectangle
        for (const QImage& other : images) EXPECT_NE(img, other) << k;
        images.push_back(img);
    }
    EXPECT_FALSE(picture.hasPicture(5));
}

TEST_F(WindowTest, EachCoreKindRendersItsWindow) {
    openClean();
    std::vector<QImage> shots;
    const QString folder = QString::fromUtf8(VELMORA_BUILD_DIR);
    for (int k = 0; k < 5; ++k) {
        click(QStringLiteral("core%1").arg(k).toUtf8().constData());
        QTest::mouseClick(find<QPushButton>(names::calculate), Qt::LeftButton);
        const QImage shot = dlg_->grab().toImage();
        ASSERT_FALSE(shot.isNull());
        EXPECT_GT(shot.width(), 600);
        EXPECT_TRUE(shot.save(folder + QStringLiteral("/window-core-%1.png").arg(k)));
        for (const QImage& other : shots) EXPECT_NE(shot, other) << k;
        shots.push_back(shot);
    }
}

TEST(FillDiagram, AnOverfillIsRedFromWhereTheWindingThatDidNotFitStarts) {
    // 2.2 did not fit; 2.3 keeps an extent from an earlier pass, which is not drawn.
    const QImage img = paint({200, {300, 450, 520, 0, 0}, 2, 0.3, 3});
    EXPECT_EQ(at(img, 100, 3), kPrimary);
    EXPECT_EQ(at(img, 250, 3), kSecondary);
    EXPECT_EQ(at(img, 299), Qt::black);  // 2.1's right border
    for (int x : {303, 400, 500, 560, kW - 3}) EXPECT_EQ(at(img, x, 3), kRed) << x;
    const int text = firstWhite(img, 301, kW);  // "не помещается", centred on 300..600
    EXPECT_GT(text, 380);
    EXPECT_LT(text, 450);

    // The primary did not fit: the whole strip, whatever the extents say.
    const QImage primary = paint({250, {400, 0, 0, 0, 0}, 2, 0.3, 1});
    for (int x : {3, 100, 260, 420, kW - 3}) EXPECT_EQ(at(primary, x, 3), kRed) << x;
    EXPECT_EQ(at(primary, 0), Qt::black);
}

TEST(FillDiagram, ARingOverfillCoversTheHoleReserve) {
    // 2.1 did not fit after a primary that ends at 150; it reached past the reserve.
    const QImage img = paint({150, {590, 0, 0, 0, 0}, 0, 0.3, 2});
    EXPECT_EQ(at(img, 75, 3), kPrimary);
    EXPECT_EQ(at(img, 149), Qt::black);
    for (int x : {153, 300, 430, kW - 3}) EXPECT_EQ(at(img, x, 3), kRed) << x;
    EXPECT_EQ(at(img, 420, 3), kRed);  // no border of the reserve left inside the red
    const int text = firstWhite(img, 151, kW);
    EXPECT_GT(text, 300);
    EXPECT_LT(text, 400);
    // A primary ending inside the reserve: the reserve up to it, then the overfill.
    const QImage late = paint({500, {}, 0, 0.3, 2});
    EXPECT_EQ(at(late, 450, 3), kRed);
    EXPECT_EQ(at(late, 500), Qt::black);  // the overfill's own border
    EXPECT_EQ(at(late, 550, 3), kRed);
}

namespace {

// The current of secondary 2.2 (12 V) at which it, not the primary, overfills the
// core; 2.1 carries 1 A.
int overfillingAmps(int core) {
    for (int amps = 1; amps < 200; ++amps) {
        Record r;
        r.core = core;
        if (core == 0) {
            r.lst = "100";
            r.hst = "60";
            r.lok = "30";
        }
        r.I2[0] = "1";
        r.U2[1] = "12";
        r.I2[1] = std::to_string(amps);
        const WireSizes sizes = LoadWireSizes(shippedData(), r.Conductor);
        const RunResult run = Calculate(r, sizes.table);
        if (run.status == RunStatus::overfill) return run.overfilled == 3 ? amps : -1;
    }
    return -1;
}

}  // namespace

TEST_F(WindowTest, TheStripMarksTheWindingThatDidNotFit) {
    openClean();
    const QString folder = QString::fromUtf8(VELMORA_BUILD_DIR);
    auto* strip = find<FillDiagram>(names::diagram);
    for (int core : {2, 0}) {
        const int amps = overfillingAmps(core);
        ASSERT_GT(amps, 0) << core;
        click(QStringLiteral("core%1").arg(core).toUtf8().constData());
        if (core == 0) {
            type("lst", "100");
            type("hst", "60");
            type("lok", "30");
        }
        type("I2_1", "1");
        type("U2_2", "12");
        type("I2_2", QString::number(amps));
        boxes_.shown.clear();
        const RunResult run = dlg_->OnCalculate();
        ASSERT_EQ(run.status, RunStatus::overfill) << core;
        EXPECT_EQ(run.overfilled, 3) << core;
        EXPECT_EQ(strip->extents().overfilled, 3) << core;
        ASSERT_FALSE(boxes_.shown.empty());

        const QImage img = strip->grab().toImage();
        EXPECT_TRUE(img.save(folder + QStringLiteral("/overfill-core-%1.png").arg(core)));
        const int w = img.width(), y = 3;
        const int ext1 = strip->extents().ext1, ext21 = strip->extents().ext2[0];
        ASSERT_GT(ext1, 2);
        ASSERT_GT(ext21, ext1 + 2);
        ASSERT_LT(ext21, w - 4);
        // 1 and 2.1 as usual, then red to the end; no green is left.
        EXPECT_EQ(img.pixelColor(2, y), kPrimary) << core;
        EXPECT_EQ(img.pixelColor(ext1 + 2, y), kSecondary) << core;
        EXPECT_EQ(img.pixelColor(ext21 + 2, y), kRed) << core;
        EXPECT_EQ(img.pixelColor(w - 3, y), kRed) << core;
        int green = 0;
        for (int x = 0; x < w; ++x) green += img.pixelColor(x, y) == kFree;
        EXPECT_EQ(green, 0) << core;
        EXPECT_NE(firstWhite(img, ext21 + 1, w), -1) << core;  // "не помещается"
    }
    // The next good design draws no overfill.
    type("I2_2", "1");
    EXPECT_EQ(dlg_->OnCalculate().status, RunStatus::ok);
    EXPECT_EQ(strip->extents().overfilled, 0);
}
