#include "platform/decoders/JpegDecoder.h"

#include "platform/decoders/JpegSegments.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

namespace {

struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

// Everything that outlives a jump out of the decoding function.
struct TJpegJob {
    jpeg_decompress_struct Info{};
    TJpegError Error{};
    QImage Image;
    JDIMENSION Width = 0;
    JDIMENSION Height = 0;
    bool TooLarge = false;
};

[[noreturn]] void ErrorExit(j_common_ptr Info) {
    auto* error = reinterpret_cast<TJpegError*>(Info->err);
    Info->err->format_message(Info, error->Message);
    std::longjmp(error->Jump, 1);
}

// Warnings are silent, except that data ending early is an error: the picture
// would be drawn half grey.
void EmitMessage(j_common_ptr Info, int Level) {
    if (Level < 0 && Info->err->msg_code == JWRN_JPEG_EOF) ErrorExit(Info);
}

void OutputMessage(j_common_ptr) {}

void ConvertRow(const jpeg_decompress_struct& Info, const JSAMPLE* Src, QRgb* Dst) {
    const bool inverted = Info.saw_Adobe_marker;
    for (JDIMENSION x = 0; x < Info.output_width; ++x) {
        switch (Info.out_color_space) {
        case JCS_GRAYSCALE:
            Dst[x] = qRgb(Src[x], Src[x], Src[x]);
            break;
        case JCS_CMYK: {
            const JSAMPLE* p = Src + x * 4;
            // Adobe writes the inks inverted: 255 is no ink.
            auto channel = [&](int c) {
                return inverted ? p[c] * p[3] / 255 : (255 - p[c]) * (255 - p[3]) / 255;
            };
            Dst[x] = qRgb(channel(0), channel(1), channel(2));
            break;
        }
        default:
            Dst[x] = qRgb(Src[x * 3], Src[x * 3 + 1], Src[x * 3 + 2]);
            break;
        }
    }
}

// The colours libjpeg writes straight into the image's 32-bit pixels (blue,
// green, red, opaque alpha in memory), where it can.
#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE DirectOutput = JCS_EXT_BGRA;
constexpr bool HasDirectOutput = true;
#else
constexpr J_COLOR_SPACE DirectOutput = JCS_RGB;
constexpr bool HasDirectOutput = false;
#endif

void ChooseOutput(jpeg_decompress_struct& Info) {
    if (Info.jpeg_color_space == JCS_CMYK || Info.jpeg_color_space == JCS_YCCK)
        Info.out_color_space = JCS_CMYK;
    else if (HasDirectOutput)
        Info.out_color_space = DirectOutput;
    else if (Info.jpeg_color_space == JCS_GRAYSCALE)
        Info.out_color_space = JCS_GRAYSCALE;
    else
        Info.out_color_space = JCS_RGB;
}

bool Direct(const jpeg_decompress_struct& Info) {
    return HasDirectOutput && Info.out_color_space == DirectOutput;
}

bool SizeAllowed(JDIMENSION Width, JDIMENSION Height) {
    return Width > 0 && Height > 0 && Width <= MaxPictureSide && Height <= MaxPictureSide &&
           int64_t(Width) * Height <= MaxPicturePixels;
}

// All libjpeg calls happen here. Its errors jump back to the setjmp below;
// this frame holds no object with a destructor, so the jump skips nothing
// that needs cleaning up (the job's image lives in the caller).
bool Decode(TJpegJob& Job, const TBytes& Bytes, bool HeaderOnly) {
    if (setjmp(Job.Error.Jump)) return false;
    jpeg_decompress_struct& info = Job.Info;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, Bytes.data(), static_cast<unsigned long>(Bytes.size()));
    jpeg_read_header(&info, TRUE);
    Job.Width = info.image_width;
    Job.Height = info.image_height;
    if (!SizeAllowed(info.image_width, info.image_height)) {
        Job.TooLarge = true;
        return false;
    }
    ChooseOutput(info);
    // Starting a sequential picture checks its tables without decoding a
    // line; a progressive one would decode all its scans, so its check ends
    // with the headers.
    if (HeaderOnly && info.progressive_mode) return true;
    jpeg_start_decompress(&info);
    if (HeaderOnly) return true;
    Job.Image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (Job.Image.isNull()) return false;
    if (Direct(info)) {
        while (info.output_scanline < info.output_height) {
            JSAMPROW rows[16];
            const int first = int(info.output_scanline);
            const int count = std::min<int>(16, int(info.output_height) - first);
            for (int i = 0; i < count; ++i)
                rows[i] = Job.Image.scanLine(first + i);
            if (jpeg_read_scanlines(&info, rows, JDIMENSION(count)) == 0) return false;
        }
        jpeg_finish_decompress(&info);
        return true;
    }
    const JDIMENSION stride = info.output_width * info.output_components;
    JSAMPARRAY row =
        info.mem->alloc_sarray(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, stride, 1);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        if (jpeg_read_scanlines(&info, row, 1) != 1) return false;
        ConvertRow(info, row[0], reinterpret_cast<QRgb*>(Job.Image.scanLine(y)));
    }
    jpeg_finish_decompress(&info);
    return true;
}

// Runs the decoder over Bytes, raising EInvalidGraphic on any failure.
void Run(TJpegJob& Job, const TBytes& Bytes, bool HeaderOnly) {
    Job.Info.err = jpeg_std_error(&Job.Error.Manager);
    Job.Error.Manager.error_exit = ErrorExit;
    Job.Error.Manager.emit_message = EmitMessage;
    Job.Error.Manager.output_message = OutputMessage;
    const bool ok = Decode(Job, Bytes, HeaderOnly);
    jpeg_destroy_decompress(&Job.Info); // safe on a zeroed or half-created object
    if (Job.TooLarge) CheckPictureSize(Job.Width, Job.Height, "JPEG");
    if (!ok)
        InvalidGraphic(std::string("JPEG: ") +
                       (Job.Error.Message[0] ? Job.Error.Message : "cannot decode"));
}

} // namespace

void CheckJpegHeader(const TBytes& Bytes, int& Width, int& Height) {
    TJpegJob job;
    Run(job, Bytes, true);
    Width = int(job.Width);
    Height = int(job.Height);
}

QImage DecodeJpeg(const TBytes& Bytes) {
    TJpegJob job;
    Run(job, Bytes, false);
    return job.Image;
}

QImage ReadJpeg(TStream& Stream) {
    return DecodeJpeg(ReadJpegBytes(Stream));
}
