// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Small Windows metafiles written byte by byte, for the background tests: a 200 x 100 picture,
// red on the left half and blue on the right.
#pragma once

#include <QByteArray>
#include <QtEndian>

namespace reikoboy::testing {

class Bytes {
public:
    Bytes& u16(quint16 v) { return put(qToLittleEndian(v)); }
    Bytes& i16(qint16 v) { return put(qToLittleEndian(v)); }
    Bytes& u32(quint32 v) { return put(qToLittleEndian(v)); }
    Bytes& i32(qint32 v) { return put(qToLittleEndian(v)); }
    QByteArray bytes;

private:
    template <class T>
    Bytes& put(T v) {
        bytes.append(reinterpret_cast<const char*>(&v), sizeof v);
        return *this;
    }
};

inline QByteArray twoColourWmf() {
    Bytes records;
    auto brushAndRect = [&](quint32 bgr, qint16 left, qint16 right) {
        records.u32(7).u16(0x02FC).u16(0).u32(bgr).u16(0);            // CreateBrushIndirect
        records.u32(4).u16(0x012D).u16(0);                            // SelectObject 0
        records.u32(7).u16(0x041B).i16(100).i16(right).i16(0).i16(left);  // Rectangle
        records.u32(4).u16(0x01F0).u16(0);                            // DeleteObject 0
    };
    Bytes head;
    records.u32(5).u16(0x020B).i16(0).i16(0);      // SetWindowOrg
    records.u32(5).u16(0x020C).i16(100).i16(200);  // SetWindowExt
    brushAndRect(0x0000FF, 0, 100);
    brushAndRect(0xFF0000, 100, 200);
    records.u32(3).u16(0x0000);  // EOF
    Bytes placeable;
    placeable.u32(0x9AC6CDD7).u16(0).i16(0).i16(0).i16(200).i16(100).u16(96).u32(0);
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= quint16(uchar(placeable.bytes[2 * i]) | uchar(placeable.bytes[2 * i + 1]) << 8);
    placeable.u16(sum);
    quint32 words = quint32(18 + records.bytes.size()) / 2;
    head.u16(1).u16(9).u16(0x0300).u32(words).u16(1).u32(7).u16(0);
    return placeable.bytes + head.bytes + records.bytes;
}

inline QByteArray twoColourEmf() {
    Bytes records;
    auto brushAndRect = [&](quint32 bgr, qint32 left, qint32 right) {
        records.u32(39).u32(24).u32(1).u32(0).u32(bgr).u32(0);        // CREATEBRUSHINDIRECT 1
        records.u32(37).u32(12).u32(1);                               // SELECTOBJECT 1
        records.u32(43).u32(24).i32(left).i32(0).i32(right).i32(100); // RECTANGLE
        records.u32(37).u32(12).u32(0x80000000);                      // SELECTOBJECT white brush
        records.u32(40).u32(12).u32(1);                               // DELETEOBJECT 1
    };
    brushAndRect(0x0000FF, 0, 100);
    brushAndRect(0xFF0000, 100, 200);
    records.u32(14).u32(20).u32(0).u32(0).u32(20);  // EOF
    const quint32 headerSize = 88;
    Bytes header;
    header.u32(1).u32(headerSize);
    header.i32(0).i32(0).i32(199).i32(99);            // bounds, device units
    header.i32(0).i32(0).i32(5291).i32(2645);         // frame, 0.01 mm at 96 dpi
    header.u32(0x464D4520).u32(0x10000);
    header.u32(headerSize + quint32(records.bytes.size()));
    header.u32(12).u16(2).u16(0);                     // records, handles, reserved
    header.u32(0).u32(0).u32(0);                      // description, palette
    header.i32(1024).i32(768).i32(271).i32(203);      // device size in pixels and mm
    return header.bytes + records.bytes;
}

}  // namespace reikoboy::testing
