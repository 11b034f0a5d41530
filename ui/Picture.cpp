// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Picture.h"

#include <QImage>
#include <QPixmap>

// The pixels are built into the program in the byte layout of the QImage
// formats below (resources/*.bgra, made by ui/art/draw.sh). Start-up then
// neither loads an image plugin nor decodes anything, and the picture's
// pixmap shares the program's read-only pages instead of holding a copy: a
// raster pixmap keeps an image that is already in the screen's format as it
// is. QImage wants its rows 32-bit aligned, which a Qt resource does not
// promise; the assembler's .incbin places a file's bytes at an alignment of
// our choosing.
#if defined(_WIN32)
#define TAVRIN_READ_ONLY_SECTION ".section .rdata,\"dr\"\n"
#define TAVRIN_PREVIOUS_SECTION ".text\n"
#else
#define TAVRIN_READ_ONLY_SECTION ".pushsection .rodata\n"
#define TAVRIN_PREVIOUS_SECTION ".popsection\n"
#endif
#define TAVRIN_BUILT_IN(name, file)                                                                \
    asm(TAVRIN_READ_ONLY_SECTION ".balign 16\n"                                                    \
                                 ".global " #name "\n" #name ":\n"                                 \
                                 ".incbin \"" file "\"\n"                                          \
                                 ".global " #name "_end\n" #name                                   \
                                 "_end:\n" TAVRIN_PREVIOUS_SECTION);                               \
    extern "C" const uchar name[];                                                                 \
    extern "C" const uchar name##_end[]

TAVRIN_BUILT_IN(tavrin_picture_pixels, TAVRIN_PICTURE_PIXELS);
TAVRIN_BUILT_IN(tavrin_icon_pixels, TAVRIN_ICON_PIXELS);

namespace {

QPixmap BuiltIn(const uchar* pixels, const uchar* end, int width, int height,
                QImage::Format format) {
    Q_ASSERT(end - pixels == width * height * 4);
    Q_UNUSED(end);
    return QPixmap::fromImage(QImage(pixels, width, height, width * 4, format));
}

} // namespace

QPixmap IdlePicture() {
    return BuiltIn(tavrin_picture_pixels, tavrin_picture_pixels_end, 479, 282,
                   QImage::Format_RGB32);
}

QPixmap IconPicture() {
    return BuiltIn(tavrin_icon_pixels, tavrin_icon_pixels_end, 32, 32, QImage::Format_ARGB32);
}
