// SPDX-License-Identifier: GPL-3.0-or-later
// The logo's JPEG decoding through libjpeg, damaged files included.
#include "platform/jpeg/JpegDecoder.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <vector>

namespace {

// A picture with a horizontal red ramp, a vertical green ramp and constant blue, or the
// red ramp alone in grey.
std::vector<unsigned char> Pattern(int width, int height, int components) {
    std::vector<unsigned char> pixels(std::size_t(width) * height * components);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &pixels[(std::size_t(y) * width + x) * components];
            p[0] = static_cast<unsigned char>(x * 255 / (width - 1));
            if (components == 3) {
                p[1] = static_cast<unsigned char>(y * 255 / (height - 1));
                p[2] = 96;
            }
        }
    return pixels;
}

QByteArray Encode(int width, int height, int components, bool progressive = false) {
    const std::vector<unsigned char> pixels = Pattern(width, height, components);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 98, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(
            &pixels[std::size_t(info.next_scanline) * width * components]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray data(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return data;
}

// Largest difference of any channel from the pattern.
int Deviation(const QImage& image, int components) {
    const std::vector<unsigned char> pattern = Pattern(image.width(), image.height(), components);
    int worst = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int i = 0; i < image.width() * components; ++i)
            worst =
                std::max(worst, std::abs(line[i] -
                                         pattern[std::size_t(y) * image.width() * components + i]));
    }
    return worst;
}

TEST(JpegDecoderTest, ColourAndGreyPicturesDecodeToTheirPixels) {
    struct Case {
        int Width, Height, Components;
        bool Progressive;
        QImage::Format Format;
    };
    const Case cases[] = {
        {89, 81, 3, false, QImage::Format_RGB888},     // the logo's size, odd stride
        {64, 48, 3, true, QImage::Format_RGB888},      // progressive
        {33, 17, 1, false, QImage::Format_Grayscale8}, // grey
    };
    for (const Case& c : cases) {
        QString error = QStringLiteral("stale");
        const QImage image =
            DecodeJpeg(Encode(c.Width, c.Height, c.Components, c.Progressive), &error);
        ASSERT_FALSE(image.isNull()) << error.toStdString();
        EXPECT_EQ(image.size(), QSize(c.Width, c.Height));
        EXPECT_EQ(image.format(), c.Format);
        EXPECT_LE(Deviation(image, c.Components), 12) << c.Width << 'x' << c.Height;
        EXPECT_TRUE(error.isEmpty());
    }
}

TEST(JpegDecoderTest, EveryTruncationIsAnErrorNotAGreyPicture) {
    const QByteArray whole = Encode(40, 30, 3);
    for (qsizetype length = 0; length < whole.size(); ++length) {
        QString error;
        const QImage image = DecodeJpeg(whole.left(length), &error);
        EXPECT_TRUE(image.isNull()) << "cut at " << length << " of " << whole.size();
        EXPECT_FALSE(error.isEmpty()) << "cut at " << length;
    }
}

TEST(JpegDecoderTest, ForeignOrDamagedDataGiveAnError) {
    QByteArray damagedHeader = Encode(40, 30, 3);
    damagedHeader[2] = '\x00'; // the first marker after SOI is gone
    QByteArray zeroWidth = Encode(40, 30, 3);
    const qsizetype sof = zeroWidth.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    zeroWidth[sof + 7] = 0; // width, high and low byte
    zeroWidth[sof + 8] = 0;
    const QByteArray inputs[] = {
        QByteArray(),
        QByteArray("not a picture at all"),
        QByteArray("\x89PNG\r\n\x1a\n", 8),
        damagedHeader,
        zeroWidth,
    };
    for (const QByteArray& input : inputs) {
        QString error;
        EXPECT_TRUE(DecodeJpeg(input, &error).isNull()) << input.toHex().left(40).data();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_TRUE(DecodeJpeg(QByteArray("junk")).isNull()) << "the error text is optional";
}

TEST(JpegDecoderTest, CorruptScanDataIsRefused) {
    const QByteArray whole = Encode(64, 64, 3);
    const qsizetype scan = whole.indexOf("\xFF\xDA");
    ASSERT_GT(scan, 0);
    // Scan bytes replaced by a marker that cannot stand there.
    QByteArray corrupt = whole;
    const qsizetype middle = scan + (whole.size() - scan) / 2;
    corrupt[middle] = '\xFF';
    corrupt[middle + 1] = '\xD9';
    QString error;
    EXPECT_TRUE(DecodeJpeg(corrupt, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
