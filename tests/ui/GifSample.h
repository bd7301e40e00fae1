// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// A GIF written byte by byte, since Qt reads GIF but cannot write it: 200 x 100, red on the
// left half and blue on the right. The LZW stream restarts after every two pixels, so its
// codes stay three bits wide and no compression table is needed.
#pragma once

#include <QByteArray>

namespace reikoboy::testing {

inline QByteArray twoColourGif() {
    const int width = 200, height = 100;
    QByteArray gif("GIF89a");
    auto u16 = [&gif](int v) { gif.append(char(v & 0xff)).append(char(v >> 8)); };
    u16(width);
    u16(height);
    gif.append(char(0x80)).append('\0').append('\0');               // a global table of 2 colours
    gif.append("\xff\x00\x00\x00\x00\xff", 6);                      // red, blue
    gif.append(',');                                                 // the image
    u16(0), u16(0), u16(width), u16(height);
    gif.append('\0');

    const int clear = 4, end = 5;
    QByteArray stream;
    unsigned bits = 0, count = 0;
    auto code = [&](unsigned c) {
        bits |= c << count;
        count += 3;
        while (count >= 8) { stream.append(char(bits & 0xff)); bits >>= 8; count -= 8; }
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0) code(clear);
        code(i % width < width / 2 ? 0 : 1);
    }
    code(end);
    if (count) stream.append(char(bits & 0xff));

    gif.append(char(2));                                             // LZW minimum code size
    for (int at = 0; at < stream.size(); at += 255) {
        QByteArray block = stream.mid(at, 255);
        gif.append(char(block.size())).append(block);
    }
    gif.append('\0').append(';');
    return gif;
}

}  // namespace reikoboy::testing
