// SPDX-License-Identifier: MIT
#include "LibreOfficeConversion.h"
#include "PotTemplateLoader.h"
#include "PptFileWriter.h"
#include "SampleDocuments.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

// Impress renders each bullet slide to a page; on the page the bullet and the
// word after it must stand apart. Measured in pixels between the bullet's
// last inked column and the word's first.

namespace {

using namespace SampleDocuments;

constexpr int kDotsPerInch = 50;
// The text starts half an inch after the bullet's position, which leaves
// about 0.38 in of blank; a bullet against its text leaves only its glyph's
// own margin, about 0.1 in.
constexpr int kLeastGap = kDotsPerInch / 5;

// One slide per level, the title left empty so only the bullet and its word
// are inked; then a two-column slide.
PresentationDocument BulletSlides()
{
    PresentationDocument document;
    for (int level = 1; level <= 5; ++level)
        document.slides.push_back(TextSlide("", {{"Results", level}}));
    document.slides.push_back(TwoColumnSlide("", {{"Results", 1}}, {{"", 1}}));
    return document;
}

bool Inked(QRgb pixel, QRgb background)
{
    return std::abs(qRed(pixel) - qRed(background)) + std::abs(qGreen(pixel) - qGreen(background)) +
               std::abs(qBlue(pixel) - qBlue(background)) >
           120;
}

// The gap between the first two runs of inked columns, -1 without two runs.
int GapAfterBullet(const QImage& page)
{
    const QRgb background = page.pixel(0, 0);
    std::vector<bool> inked(std::size_t(page.width()), false);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (Inked(page.pixel(x, y), background))
                inked[std::size_t(x)] = true;
    int x = 0;
    while (x < page.width() && !inked[std::size_t(x)])
        ++x;
    while (x < page.width() && inked[std::size_t(x)])
        ++x;
    const int bulletEnd = x;
    while (x < page.width() && !inked[std::size_t(x)])
        ++x;
    return x < page.width() ? x - bulletEnd : -1;
}

void ExpectGapsOnEveryPage(const QString& folder, const QString& ppt)
{
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is not installed";
    const QDir dir(folder);
    ASSERT_EQ(ConvertWithLibreOffice({ppt}, "pdf", folder, dir.filePath("profile")), "");
    const QString pdf = dir.filePath(QFileInfo(ppt).completeBaseName() + ".pdf");
    const QString prefix = dir.filePath(QFileInfo(ppt).completeBaseName());
    QProcess render;
    render.start(pdftoppm, {"-r", QString::number(kDotsPerInch), "-png", pdf, prefix});
    ASSERT_TRUE(render.waitForFinished(120000) && render.exitCode() == 0)
        << "cannot render " << ppt.toStdString();

    const std::size_t slides = BulletSlides().slides.size();
    for (std::size_t page = 1; page <= slides; ++page) {
        SCOPED_TRACE("slide " + std::to_string(page));
        const QImage image(prefix + "-" + QString::number(page) + ".png");
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(GapAfterBullet(image), kLeastGap);
    }
}

TEST(LibreOfficeRendering, ShowsAGapBetweenEveryBulletAndItsText)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QDir dir(work.path());
    PresentationDocument designed = BulletSlides();
    designed.design = CPotTemplateLoader().Load(QUILLON_DEFAULT_TEMPLATE)->design;
    for (const auto& [name, document] : {std::pair{QString("plain.ppt"), BulletSlides()},
                                         std::pair{QString("designed.ppt"), designed}}) {
        SCOPED_TRACE(name.toStdString());
        CPptFileWriter().Write(document, dir.filePath(name).toStdString(), 1);
        ExpectGapsOnEveryPage(work.path(), dir.filePath(name));
    }
}

} // namespace
