// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter sheet: its schedule line, the image it documents and its page, laid out in every
// language of the program without a text cut or over another.
#include "sheet/ParameterSheet.h"
#include "model/Q47.h"
#include "platform/registry/Languages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QStringList>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

namespace {

void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "sheet_test";
    static char* argv[] = {name, nullptr};
    static const auto application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
}

TParameterSheet::TImage ImageOf(TQ47 model) {
    model.Encode();
    TParameterSheet::TImage image;
    std::copy(std::begin(model.Image), std::end(model.Image), image.begin());
    return image;
}

QString Hex(std::uint16_t checksum) {
    return QStringLiteral("0x") + QString::number(checksum, 16).toUpper().rightJustified(4, '0');
}

QString ScheduleOf(const TQ47& model) {
    return TParameterSheet(ImageOf(model)).Schedule();
}

} // namespace

// The cycle of each sample starts at the time delay after the sampler's start, then once per
// interval: the first at the delay (not after the purging that begins the cycle), the last
// (count - 1) intervals later.
TEST(ParameterSheetTest, ScheduleSaysWhenTheSampleCyclesStart) {
    EnsureGuiApplication();
    TQ47 model;
    EXPECT_EQ(ScheduleOf(model), "8 samples, the first 00:00:00 after the start, then one every "
                                 "00:15:00, the last 01:45:00 after the start.");
    model.SetDeadTime(5400);
    model.SetSamplesCount(255);
    model.SetSamplingInterval(54000);
    EXPECT_EQ(ScheduleOf(model), "255 samples, the first 01:30:00 after the start, then one every "
                                 "15:00:00, the last 3811:30:00 after the start.");
    model.SetSamplesCount(1);
    EXPECT_EQ(ScheduleOf(model), "1 sample, 01:30:00 after the start.");
    model.Continuous = true;
    model.SetVarMode(3);
    EXPECT_EQ(ScheduleOf(model), "One sample every 15:00:00 until the sampler is stopped, the "
                                 "first 01:30:00 after the start. The VAR input (4 - 20mA) also "
                                 "controls sampling.");
}

// A file or a connector read is documented byte for byte while the data are unchanged (its
// reserved bytes and voltage codes off the 0.1 V grid give it a checksum of its own); changed
// data are documented as a save would store them.
TEST(ParameterSheetTest, DocumentsTheImageAsReadUntilTheParametersChange) {
    EnsureGuiApplication();
    TQ47 model;
    model.Encode();
    model.Image[40] = 0x5A; // a reserved byte
    model.Image[10] = 2;    // a code no voltage of the 0.1 V grid encodes to
    model.Image[126] = model.Image[127] = 0;
    const std::uint16_t checksum = model.Checksum();
    model.Image[126] = checksum & 0xFF;
    model.Image[127] = checksum >> 8;
    model.Decode();

    TParameterSheet kept(DocumentedImage(model));
    EXPECT_EQ(kept.ChecksumText(), Hex(checksum));
    EXPECT_DOUBLE_EQ(kept.Parameters().AccuWarning, 0.7);

    model.SetPrePurge(20);
    TQ47 saved = model;
    saved.Encode();
    const TParameterSheet changed(DocumentedImage(model));
    EXPECT_EQ(changed.Parameters().PrePurge, 20);
    EXPECT_EQ(changed.ChecksumText(), Hex(saved.Checksum()));
}

// What the sampler would not take is marked, never shown as another value: a VAR code without an
// item of its own by its number, a value out of range with what is allowed, and no schedule
// drawn from such a value.
TEST(ParameterSheetTest, ACodeWithoutAnItemAndValuesOutOfRangeAreMarked) {
    EnsureGuiApplication();
    TParameterSheet::TImage image = ImageOf(TQ47());
    image[15] = 2;           // the VAR mode's code that the page shows as "Disabled"
    image[4] = 0;            // Pre-Purge, 1..240 s
    image[7] = image[8] = 0; // the sampling interval, from 00:00:01
    const TParameterSheet sheet(image);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QStringList texts;
    for (const TParameterSheet::TText& text : sheet.Layout(writer).Texts)
        texts << text.Text;
    EXPECT_TRUE(texts.contains("Disabled (code 2)")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("Out of range! Allowed: 1..240\u00a0s"));
    EXPECT_TRUE(texts.contains("Out of range! Allowed: 00:00:01..15:00:00"));
    EXPECT_EQ(texts.filter("Out of range!").size(), 2);
    EXPECT_EQ(sheet.Schedule(), "No schedule: a value it is drawn from is out of range.");
}

// Every language of the program, on A4 and on Letter, with a long file name and a connector in
// the header, a value out of range and a VAR code marked: every text lies on the page, none
// over another, none cut by a frame or a line.
TEST(ParameterSheetTest, EveryTextFitsThePageInEveryLanguage) {
    EnsureGuiApplication();
    TQ47 model;
    model.Continuous = true;
    model.SetVarMode(1);
    TParameterSheet::TImage image = ImageOf(model);
    image[4] = 0;  // Pre-Purge out of range
    image[15] = 2; // a VAR code without an item
    TParameterSheet sheet(image);
    sheet.FileName = QStringLiteral("/home/technician/Probenahme/Kampagne-2026/") +
                     QString(120, QLatin1Char('x')) + QStringLiteral(".brk");
    sheet.Program = QStringLiteral("Brookfetch 4.00");
    sheet.Connector =
        TSheetConnector{true, QStringLiteral("USB FETCHer Adapter"), QStringLiteral("1.03"), false};
    for (const TLanguage& language : Languages) {
        QTranslator translation;
        ASSERT_TRUE(translation.load(QStringLiteral(BROOKFETCH_TRANSLATIONS_DIR "/brookfetch.") +
                                     QLatin1String(language.Code)))
            << language.Code;
        QCoreApplication::installTranslator(&translation);
        sheet.Locale = SheetLocale(language.Language);
        for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setResolution(600);
            writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                                             QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
            const TParameterSheet::TPage page = sheet.Layout(writer);
            const std::string where =
                std::string(language.Code) + (paper == QPageSize::A4 ? " A4" : " Letter");
            EXPECT_LE(page.Bottom, page.Area.height()) << where;
            for (std::size_t i = 0; i < page.Texts.size(); ++i) {
                const QRectF box = page.Texts[i].Box;
                const std::string text = where + " \"" + page.Texts[i].Text.toStdString() + "\"";
                EXPECT_TRUE(page.Area.contains(box)) << text;
                for (std::size_t k = i + 1; k < page.Texts.size(); ++k)
                    EXPECT_FALSE(box.intersects(page.Texts[k].Box))
                        << text << " and \"" << page.Texts[k].Text.toStdString() << "\"";
                for (const QRectF& frame : page.Frames)
                    EXPECT_TRUE(frame.contains(box) || !frame.intersects(box)) << text;
                for (const QLineF& line : page.Lines)
                    EXPECT_FALSE(line.y1() > box.top() && line.y1() < box.bottom() &&
                                 line.x1() < box.right() && line.x2() > box.left())
                        << text;
            }
        }
        QCoreApplication::removeTranslator(&translation);
    }
}
