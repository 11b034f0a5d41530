// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Picture.h"

#include <QImage>
#include <QPixmap>

// The pixels are built into the program in QImage::Format_RGB32's layout
// (resources/picture.bgra, made by ui/art/draw.sh). Start-up then neither
// loads an image plugin nor decodes anything, and the pixmap shares the
// program's read-only pages instead of holding a copy: a raster pixmap keeps
// an image that is already in the screen's format as it is. QImage wants its
// rows 32-bit aligned, which a Qt resource does not promise; the assembler's
// .incbin places the file's bytes at an alignment of our choosing.
#if defined(_WIN32)
#define TAVRIN_READ_ONLY_SECTION ".section .rdata,\"dr\"\n"
#define TAVRIN_PREVIOUS_SECTION ".text\n"
#else
#define TAVRIN_READ_ONLY_SECTION ".pushsection .rodata\n"
#define TAVRIN_PREVIOUS_SECTION ".popsection\n"
#endif
asm(TAVRIN_READ_ONLY_SECTION ".balign 16\n"
                             ".global tavrin_picture_pixels\n"
                             "tavrin_picture_pixels:\n"
                             ".incbin \"" TAVRIN_PICTURE_PIXELS "\"\n"
                             ".global tavrin_picture_pixels_end\n"
                             "tavrin_picture_pixels_end:\n" TAVRIN_PREVIOUS_SECTION);

extern "C" const uchar tavrin_picture_pixels[];
extern "C" const uchar tavrin_picture_pixels_end[];

QPixmap IdlePicture() {
    constexpr int width = 479, height = 282;
    Q_ASSERT(tavrin_picture_pixels_end - tavrin_picture_pixels == width * height * 4);
    return QPixmap::fromImage(
        QImage(tavrin_picture_pixels, width, height, width * 4, QImage::Format_RGB32));
}
