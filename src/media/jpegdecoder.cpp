#include "media/jpegdecoder.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdio>

#include <algorithm>
#include <csetjmp>
#include <jerror.h>
#include <jpeglib.h>

namespace solvaro {

namespace {

// A picture with more scans than this is hostile: a real progressive JPEG has
// about ten.
constexpr int scanLimit = 1000;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void abandon(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// Warnings of damaged data are tolerated as other viewers tolerate them, except
// data that ends too soon, before the end marker or at one: libjpeg would fill
// the missing part of the picture with grey.
void onMessage(j_common_ptr info, int level)
{
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        abandon(info);
}

void silent(j_common_ptr)
{
}

void onProgress(j_common_ptr info)
{
    if (info->is_decompressor
        && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > scanLimit)
        abandon(info);
}

void cmykToRgb(uchar *line, int width, bool inverted)
{
    // In place: every 4-byte CMYK pixel becomes 3 bytes of RGB, left to right.
    for (int x = 0; x < width; ++x) {
        int c = line[4 * x], m = line[4 * x + 1], y = line[4 * x + 2], k = line[4 * x + 3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        line[3 * x] = uchar(c * k / 255);
        line[3 * x + 1] = uchar(m * k / 255);
        line[3 * x + 2] = uchar(y * k / 255);
    }
}

// Everything that libjpeg may jump out of lives here, with no C++ object that a
// jump would skip the destructor of; the image is the caller's.
bool decodeInto(const QByteArray &bytes, QImage *image, QByteArray *cmykLine)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = abandon;
    errors.base.emit_message = onMessage;
    errors.base.output_message = silent;
    progress.progress_monitor = onProgress;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.progress = &progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (qint64(info.image_width) * qint64(info.image_height) > jpegPixelLimit) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);

    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (cmyk)
        cmykLine->resize(qsizetype(info.output_width) * 4);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW row = cmyk ? reinterpret_cast<JSAMPROW>(cmykLine->data()) : image->scanLine(y);
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk) {
            cmykToRgb(row, int(info.output_width), info.saw_Adobe_marker);
            std::copy(row, row + 3 * info.output_width, image->scanLine(y));
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

std::optional<QImage> decodeJpeg(const QByteArray &bytes)
{
    QImage image;
    QByteArray cmykLine;
    if (bytes.isEmpty() || !decodeInto(bytes, &image, &cmykLine))
        return std::nullopt;
    return image;
}

} // namespace solvaro
