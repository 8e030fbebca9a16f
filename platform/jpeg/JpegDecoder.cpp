// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/jpeg/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>
// After jpeglib.h: the message codes.
#include <jerror.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; we leave
// through longjmp back into DecodeJpeg. Only plain C data live between setjmp and longjmp,
// so no destructor is skipped.
struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Return;
    char Text[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Text);
    std::longjmp(manager->Return, 1);
}

// The library goes on after damaged data and paints grey where pixels are missing; such a
// picture is refused. Warnings about metadata (JFIF revision, Adobe transform, ICC profile)
// leave the pixels intact and pass.
void OnMessage(j_common_ptr info, int level) {
    if (level >= 0)
        return;
    switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_TOO_MUCH_DATA:
        OnError(info);
    default:
        break;
    }
}

struct Decoder {
    jpeg_decompress_struct Info;
    ErrorManager Errors;
};

// Returns false with the library's text in Errors.Text when the picture cannot be read.
// Kept free of C++ objects with destructors, as longjmp may leave it at any point.
bool Decode(Decoder& decoder, const unsigned char* bytes, unsigned long size, uchar* pixels,
            qsizetype stride, int& width, int& height, bool& grey, bool probeOnly) {
    jpeg_decompress_struct& info = decoder.Info;
    info.err = jpeg_std_error(&decoder.Errors.Base);
    decoder.Errors.Base.error_exit = OnError;
    decoder.Errors.Base.emit_message = OnMessage;
    if (setjmp(decoder.Errors.Return)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    grey = info.jpeg_color_space == JCS_GRAYSCALE;
    if (!grey && info.jpeg_color_space != JCS_YCbCr && info.jpeg_color_space != JCS_RGB) {
        std::snprintf(decoder.Errors.Text, sizeof decoder.Errors.Text,
                      "Unsupported JPEG colour space %d", static_cast<int>(info.jpeg_color_space));
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    if (probeOnly) {
        jpeg_destroy_decompress(&info);
        return true;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + stride * static_cast<qsizetype>(info.output_scanline);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data, QString* error) {
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return QImage();
    };
    if (data.isEmpty())
        return fail(QStringLiteral("Empty JPEG data"));

    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const auto size = static_cast<unsigned long>(data.size());
    Decoder decoder{};
    int width = 0;
    int height = 0;
    bool grey = false;
    // First the header alone, to size the picture; then the pixels straight into it.
    if (!Decode(decoder, bytes, size, nullptr, 0, width, height, grey, true))
        return fail(QString::fromLocal8Bit(decoder.Errors.Text));
    // A header may claim up to 65535 x 65535; the program's pictures are small, and a
    // claim beyond this is damage, not a picture to reserve gigabytes for.
    constexpr qint64 MaxPixels = 64LL * 1024 * 1024;
    if (qint64(width) * height > MaxPixels)
        return fail(QStringLiteral("JPEG picture too large (%1 x %2)").arg(width).arg(height));
    QImage image(width, height, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image.isNull())
        return fail(QStringLiteral("JPEG picture too large (%1 x %2)").arg(width).arg(height));
    Decoder second{};
    if (!Decode(second, bytes, size, image.bits(), image.bytesPerLine(), width, height, grey,
                false))
        return fail(QString::fromLocal8Bit(second.Errors.Text));
    if (error)
        error->clear();
    return image;
}
