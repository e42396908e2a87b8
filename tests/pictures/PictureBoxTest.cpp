#include "tests/LayoutPixels.h"
#include "tests/support/TestImages.h"

#include "pictures/JpegGraphic.h"
#include "pictures/PictureBox.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace pictures {
namespace {

using namespace testimages;

const QColor Backdrop(200, 0, 0);
const QColor Photo(20, 60, 200);

// A box that counts its paints, inside a parent window with a red background.
class CountingBox : public PictureBox {
public:
    using PictureBox::PictureBox;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        PictureBox::paintEvent(event);
    }
};

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_.resize(300, 300);
        window_.setAutoFillBackground(true);
        window_.setPalette(steadyPalette());
        box_->setGeometry(10, 10, 100, 80);
        PictureBox::setPaintErrorSink([this](const std::string& message) {
            paintErrors_.push_back(message);
        });
    }
    void TearDown() override { PictureBox::setPaintErrorSink(nullptr); }

    void loadStored(PictureBox& box, const Bytes& jpeg)
    {
        box.picture().readStoredData(GraphicKind::Jpeg, storedData(jpeg));
    }

    // The window's pixels as they are painted now.
    QImage shown() { return layoutPixels(window_); }

    // The same colours whether the window is active or not: the window system may take the
    // activation away at any moment (under Wine it does), and new colours repaint every box.
    static QPalette steadyPalette()
    {
        QPalette palette;
        palette.setColor(QPalette::Window, Backdrop);
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourRole = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(QPalette::Inactive, colourRole, palette.brush(QPalette::Active, colourRole));
        }
        return palette;
    }

    // Runs the event loop until the box has had no paint for a tenth of a second.
    void settle()
    {
        for (int before = -1; before != box_->paints;) {
            before = box_->paints;
            QTest::qWait(100);
        }
    }

    QWidget window_;
    CountingBox* box_ = new CountingBox(&window_);
    std::vector<std::string> paintErrors_;
};

TEST_F(PictureBoxTest, StartsAt105By105AndEmpty)
{
    PictureBox box;
    EXPECT_EQ(box.size(), QSize(105, 105));
    EXPECT_EQ(box.picture().graphic(), nullptr);
    EXPECT_FALSE(box.isOpaque());
}

TEST_F(PictureBoxTest, PaintsOnlyTheDestinationRectangle)
{
    loadStored(*box_, encodeJpeg(filledImage(40, 30, Photo)));
    const QImage pixels = shown();
    EXPECT_TRUE(near(pixels.pixel(10 + 20, 10 + 15), Photo));
    EXPECT_EQ(pixels.pixel(10 + 60, 10 + 50), Backdrop.rgb());
    EXPECT_FALSE(box_->isOpaque());
    EXPECT_FALSE(box_->testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST_F(PictureBoxTest, IsOpaqueExactlyWhenThePictureCoversTheBox)
{
    loadStored(*box_, encodeJpeg(filledImage(40, 30, Photo)));
    box_->setStretch(true);
    EXPECT_TRUE(box_->isOpaque());
    EXPECT_TRUE(box_->testAttribute(Qt::WA_OpaquePaintEvent));

    box_->setProportional(true);
    EXPECT_FALSE(box_->isOpaque());
    box_->setProportional(false);
    box_->setTransparent(true);
    EXPECT_FALSE(box_->isOpaque());
    EXPECT_TRUE(box_->picture().graphic()->transparent());

    // Only a picture change recomputes it, not a new size.
    box_->setTransparent(false);
    box_->resize(400, 400);
    EXPECT_TRUE(box_->isOpaque());

    box_->picture().assign(Picture());
    EXPECT_FALSE(box_->isOpaque());
}

TEST_F(PictureBoxTest, RepaintsWhenAFlagChangesValueOnly)
{
    loadStored(*box_, encodeJpeg(filledImage(40, 30, Photo)));
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    settle();
    const int paints = box_->paints;

    box_->setProportional(false);
    settle();
    EXPECT_EQ(box_->paints, paints);

    box_->setProportional(true);
    settle();
    EXPECT_GT(box_->paints, paints);
}

TEST_F(PictureBoxTest, HandsADecodeErrorToTheSinkOnceAndPaintsOnAfterwards)
{
    box_->picture().readStoredData(GraphicKind::Jpeg, storedData({}));
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    QApplication::processEvents();
    ASSERT_EQ(paintErrors_, std::vector<std::string>{"JPEG error #42"});

    // The box is no longer drawing, so a change repaints it, now without an error.
    const int paints = box_->paints;
    box_->setCenter(true);
    QApplication::processEvents();
    EXPECT_GT(box_->paints, paints);
    EXPECT_EQ(paintErrors_.size(), 1U);
}

TEST_F(PictureBoxTest, AssignedDecodedPictureDrawsWithoutASecondDecode)
{
    loadStored(*box_, encodeJpeg(filledImage(40, 30, Photo)));
    shown();
    const int decodes = JpegGraphic::decodeCount();

    auto* detail = new PictureBox(&window_);
    detail->setGeometry(150, 150, 80, 60);
    detail->setStretch(true);
    detail->assignPicture(box_->picture());
    const QImage pixels = shown();
    EXPECT_EQ(JpegGraphic::decodeCount(), decodes);
    EXPECT_TRUE(near(pixels.pixel(150 + 75, 150 + 55), Photo));
}

// A picture with as many pixels as the box has device pixels, shrunk into the box: on a screen
// of any scale factor each device pixel shows a decoded pixel of its own, so the photograph is
// drawn from the full decode and not from a copy at the layout's size.
TEST_F(PictureBoxTest, DrawsThePictureAtTheScreensDevicePixels)
{
    const qreal scale = window_.devicePixelRatio();
    const QSize device = (QSizeF(box_->size()) * scale).toSize();
    QImage checks(device, QImage::Format_RGB32);
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            checks.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    box_->setCenter(true);
    box_->setProportional(true);
    loadStored(*box_, encodeJpeg(checks));

    const QImage drawn = box_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& decoded = dynamic_cast<const JpegGraphic&>(*box_->picture().graphic()).decoded()->image();
    ASSERT_EQ(drawn.size(), decoded.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            differing += drawn.pixel(x, y) != decoded.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0) << "at scale " << scale;
}

TEST_F(PictureBoxTest, AShownBoxStartsDecodingItsJpegBeforeItsFirstPaint)
{
    const auto jpegOf = [](const PictureBox& box) -> const JpegGraphic& {
        return dynamic_cast<const JpegGraphic&>(*box.picture().graphic());
    };
    const Bytes jpeg = encodeJpeg(filledImage(40, 30, Photo));
    loadStored(*box_, jpeg);
    EXPECT_FALSE(jpegOf(*box_).decodingAhead()); // its window is hidden: it may never be drawn

    // Shown, it waits for the handler that showed it to end, which may give it another picture.
    window_.show();
    EXPECT_FALSE(jpegOf(*box_).decodingAhead());
    QCoreApplication::sendPostedEvents(box_, QEvent::MetaCall);
    EXPECT_EQ(box_->paints, 0);
    EXPECT_TRUE(jpegOf(*box_).decodingAhead());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    QApplication::processEvents();
    EXPECT_NE(jpegOf(*box_).decoded(), nullptr);
    EXPECT_TRUE(near(shown().pixel(10 + 20, 10 + 15), Photo));

    loadStored(*box_, jpeg);
    EXPECT_TRUE(jpegOf(*box_).decodingAhead());
    box_->hide();
    loadStored(*box_, jpeg);
    EXPECT_FALSE(jpegOf(*box_).decodingAhead());
}

TEST_F(PictureBoxTest, ClickedNeedsALeftPressAndReleaseInside)
{
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    QSignalSpy clicks(box_, &PictureBox::clicked);

    QTest::mouseClick(box_, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(box_, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(box_, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(box_, Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_EQ(clicks.count(), 1);
}

} // namespace
} // namespace pictures
