// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures must come out at the sizes the windows reserve for them, show something, keep
// the board's title look, and be drawn only once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

#include <functional>
#include <set>

#include "artwork/Artwork.h"
#include "ui/DrawnIcon.h"

namespace {

int CountPixels(const QImage& image, const std::function<bool(QColor)>& wanted) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += wanted(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

int DistinctColours(const QImage& image) {
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            seen.insert(image.pixel(x, y));
        }
    }
    return int(seen.size());
}

bool IsBlack(QColor c) {
    return c.red() == 0 && c.green() == 0 && c.blue() == 0;
}

TEST(Artwork, PicturesHaveTheSizesTheirWindowsReserveAndAreNotBlank) {
    struct Case {
        const char* name;
        QPixmap picture;
        QSize size;
    };
    const Case cases[] = {
        {"ColorAllVertices", artwork::ColorAllVerticesPicture(), QSize(300, 37)},
        {"PuzzleSolved", artwork::PuzzleSolvedPicture(), QSize(300, 44)},
        {"PERFECT", artwork::BannerPicture("PERFECT"), QSize(392, 103)},
        {"EXCELLENT", artwork::BannerPicture("EXCELLENT"), QSize(392, 103)},
        {"NOT BAD", artwork::BannerPicture("NOT BAD"), QSize(392, 103)},
        {"QuestionMarks", artwork::QuestionMarksPicture(), QSize(272, 88)},
        {"TitleStar", artwork::TitleStarPicture(), QSize(120, 160)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.picture.size(), c.size);
        EXPECT_EQ(c.picture.deviceIndependentSize().toSize(), c.size);
        // A real picture has shading, not a handful of flat colours.
        EXPECT_GT(DistinctColours(c.picture.toImage()), 40);
    }
    EXPECT_NE(artwork::BannerPicture("PERFECT").toImage(), artwork::BannerPicture("NOT BAD").toImage());
    // No word at all still gives the swirl, not a broken picture.
    EXPECT_EQ(artwork::BannerPicture("").size(), QSize(392, 103));
}

// On a doubled or one-and-a-half screen each picture has that many device pixels a pixel, keeps
// its logical size, and is sharper, not just blown up; a picture on a window waits for its screen.
TEST(Artwork, PicturesAreDrawnAtTheirScreensPixelRatio) {
    const std::function<QPixmap(qreal)> drawings[] = {
        &artwork::ColorAllVerticesPicture, &artwork::PuzzleSolvedPicture,
        [](qreal r) { return artwork::BannerPicture("PERFECT", r); }, &artwork::QuestionMarksPicture,
        &artwork::TitleStarPicture};
    for (const auto& draw : drawings) {
        const QPixmap single = draw(1.0);
        for (const qreal ratio : {1.5, 2.0}) {
            const QPixmap dense = draw(ratio);
            EXPECT_EQ(dense.devicePixelRatio(), ratio);
            EXPECT_EQ(dense.size(), (QSizeF(single.size()) * ratio).toSize());
            EXPECT_EQ(dense.deviceIndependentSize().toSize(), single.size());
        }
        // The doubled picture is the same picture: scaled down it is close to the plain one.
        const QImage down =
            draw(2.0).toImage().scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage plain = single.toImage().convertToFormat(down.format());
        qint64 difference = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                difference += std::abs(qGray(down.pixel(x, y)) - qGray(plain.pixel(x, y)));
        EXPECT_LT(double(difference) / (plain.width() * plain.height()), 12.0);
    }

    QPixmap glyph =
        ui::DrawnIcon(16, [](QPainter& p) { p.fillRect(4, 4, 8, 8, Qt::red); }).pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(glyph.size(), QSize(32, 32));
    EXPECT_EQ(glyph.toImage().pixelColor(9, 9), QColor(Qt::red));
    EXPECT_EQ(glyph.toImage().pixelColor(7, 7).alpha(), 0);

    QWidget window;
    int drawn = 0;
    auto* picture = new artwork::TPicture(
        [&drawn](qreal r) {
            ++drawn;
            return artwork::TitleStarPicture(r);
        },
        "SpEcTrUmIx", &window);
    EXPECT_EQ(drawn, 0);  // building a window draws nothing
    window.show();
    EXPECT_EQ(drawn, 1);
    EXPECT_EQ(picture->drawnRatio(), window.devicePixelRatioF());
    EXPECT_EQ(picture->accessibleName(), "SpEcTrUmIx");
}

TEST(Artwork, TitleWordsAreRedToYellowLettersOnBlack) {
    for (const QPixmap& title : {artwork::ColorAllVerticesPicture(), artwork::PuzzleSolvedPicture()}) {
        const QImage image = title.toImage();
        const int w = image.width() - 1;
        const int h = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
            EXPECT_TRUE(IsBlack(image.pixelColor(corner))) << corner.x() << "," << corner.y();
        }
        const int red =
            CountPixels(image, [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; });
        const int yellow =
            CountPixels(image, [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() < 120; });
        const int bluish = CountPixels(image, [](QColor c) { return c.blue() > c.red() + 30; });
        EXPECT_GT(red, 100);
        EXPECT_GT(yellow, 100);
        EXPECT_EQ(bluish, 0);
        // Large letters: a good share of the picture is lettering, not background.
        EXPECT_GT(CountPixels(image, [](QColor c) { return !IsBlack(c); }),
                  image.width() * image.height() / 5);
    }
}

TEST(Artwork, TitleStarCarriesTheTitleLabelColoursAboveAStarOnBlack) {
    const QImage image = artwork::TitleStarPicture().toImage();
    EXPECT_TRUE(IsBlack(image.pixelColor(image.width() - 1, image.height() - 1)));
    // Each letter pair sits on its label's own background colour.
    const QColor backgrounds[] = {QColor(255, 0, 255), QColor(0, 255, 0), QColor(255, 0, 0),
                                  QColor(255, 255, 0), QColor(128, 64, 0)};
    const int boxWidth = image.width() / 5;
    for (int i = 0; i < 5; ++i) {
        const QImage box = image.copy(i * boxWidth, 0, boxWidth, 40);
        EXPECT_GT(CountPixels(box, [&](QColor c) { return c == backgrounds[i]; }), 100) << i;
    }
    // The star below is many-coloured.
    const QImage star = image.copy(0, 45, image.width(), image.height() - 45);
    EXPECT_GT(DistinctColours(star), 200);
}

TEST(Artwork, IconsComeInTheirSizes) {
    const QIcon perfect = artwork::PerfectDialogIcon();
    const QImage star = perfect.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(star.size(), QSize(32, 32));
    EXPECT_EQ(star.pixelColor(0, 0).alpha(), 0);  // a star, not a square
    // The sixteen-colour look: every opaque pixel is a colour of the basic palette.
    EXPECT_GT(CountPixels(star, [](QColor c) { return c == QColor(255, 255, 0); }), 50);
    EXPECT_EQ(
        CountPixels(star,
                    [](QColor c) {
                        const auto basic = [](int v) { return v == 0 || v == 128 || v == 192 || v == 255; };
                        return c.alpha() == 255 && !(basic(c.red()) && basic(c.green()) && basic(c.blue()));
                    }),
        0);

    const QIcon app = artwork::ApplicationIcon();
    for (const int size : {16, 32, 48, 64}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(app.availableSizes().contains(QSize(size, size)));
        EXPECT_EQ(app.pixmap(size, size).toImage().size(), QSize(size, size));
    }
}

// The task bar and the menu show one picture: the window icon drawn by the game is the desktop
// entry's SVG as the desktop's own renderer draws it.
TEST(Artwork, WindowIconIsTheDesktopEntrysIcon) {
#ifndef SPECTRUMIX_RSVG_CONVERT
    GTEST_SKIP() << "rsvg-convert is not installed";
#else
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString png = scratch.filePath(QStringLiteral("icon.png"));
    QProcess rsvg;
    rsvg.start(QStringLiteral(SPECTRUMIX_RSVG_CONVERT),
               {"-w", "64", "-h", "64", "-o", png, QStringLiteral(SPECTRUMIX_DESKTOP_ICON_SVG)});
    ASSERT_TRUE(rsvg.waitForFinished(20000));
    ASSERT_EQ(rsvg.exitCode(), 0);
    const QImage desktop = QImage(png).convertToFormat(QImage::Format_ARGB32);
    const QImage window =
        artwork::ApplicationIcon().pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(window.size(), desktop.size());
    long long difference = 0;
    int worst = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const QColor a = window.pixelColor(x, y);
            const QColor b = desktop.pixelColor(x, y);
            const int d = std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue()) + std::abs(a.alpha() - b.alpha());
            difference += d;
            worst = std::max(worst, d);
        }
    }
    // Two renderers differ in their edges' shading only, never in a shape or a colour.
    EXPECT_LT(double(difference) / (64 * 64), 6.0);
    EXPECT_LT(worst, 400);
#endif
}

TEST(Artwork, EachPictureIsDrawnOnce) {
    EXPECT_EQ(artwork::ColorAllVerticesPicture().cacheKey(), artwork::ColorAllVerticesPicture().cacheKey());
    EXPECT_EQ(artwork::BannerPicture("EXCELLENT").cacheKey(), artwork::BannerPicture("EXCELLENT").cacheKey());
    EXPECT_NE(artwork::BannerPicture("EXCELLENT").cacheKey(), artwork::BannerPicture("PERFECT").cacheKey());
    EXPECT_EQ(artwork::TitleStarPicture().cacheKey(), artwork::TitleStarPicture().cacheKey());
    EXPECT_EQ(artwork::ApplicationIcon().cacheKey(), artwork::ApplicationIcon().cacheKey());
}

}  // namespace
