// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPixmap;

// The picture shown while no review runs, 479 x 282: the pixels of
// resources/picture.jpg as Qt decodes it, stored ahead of time.
QPixmap IdlePicture();

// The window's icon, 32 x 32: the pixels of resources/tavrin-ops-limits-32.png.
QPixmap IconPicture();
