#include "platform/decoders/JpegDecoder.h"

#include "platform/decoders/JpegSegments.h"

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

void ChooseOutput(jpeg_decompress_struct& Info) {
    if (Info.jpeg_color_space == JCS_GRAYSCALE)
        Info.out_color_space = JCS_GRAYSCALE;
    else if (Info.jpeg_color_space == JCS_CMYK || Info.jpeg_color_space == JCS_YCCK)
        Info.out_color_space = JCS_CMYK;
    else
        Info.out_color_space = JCS_RGB;
}

bool SizeAllowed(JDIMENSION Width, JDIMENSION Height) {
    return Width > 0 && Height > 0 && Width <= MaxPictureSide && Height <= MaxPictureSide &&
           int64_t(Width) * Height <= MaxPicturePixels;
}

// All libjpeg calls happen here. Its errors jump back to the setjmp below;
// this frame holds no object with a destructor, so the jump skips nothing
// that needs cleaning up (the job's image lives in the caller).
bool Decode(TJpegJob& Job, const TBytes& Bytes) {
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
    jpeg_start_decompress(&info);
    Job.Image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (Job.Image.isNull()) return false;
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

} // namespace

QImage ReadJpeg(TStream& Stream) {
    const TBytes bytes = ReadJpegBytes(Stream);
    TJpegJob job;
    job.Info.err = jpeg_std_error(&job.Error.Manager);
    job.Error.Manager.error_exit = ErrorExit;
    job.Error.Manager.emit_message = EmitMessage;
    job.Error.Manager.output_message = OutputMessage;
    const bool ok = Decode(job, bytes);
    jpeg_destroy_decompress(&job.Info); // safe on a zeroed or half-created object
    if (job.TooLarge) CheckPictureSize(job.Width, job.Height, "JPEG");
    if (!ok)
        InvalidGraphic(std::string("JPEG: ") +
                       (job.Error.Message[0] ? job.Error.Message : "cannot decode"));
    return job.Image;
}
