// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/pictures/PictureGate.h"

#include <cstdint>
#include <cstdlib>

#include "metafile/MetafileKind.h"

namespace reikoboy {

namespace {

bool startsWith(std::string_view bytes, std::string_view magic) {
    return bytes.substr(0, magic.size()) == magic;
}

unsigned byteAt(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

unsigned littleEndian(std::string_view bytes, std::size_t at, int count) {
    unsigned value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | byteAt(bytes, at + std::size_t(i));
    return value;
}

// Segment by segment, and through each scan's data, up to the end-of-image marker.
bool jpegIsWhole(std::string_view bytes) {
    std::size_t at = 2;  // after the start-of-image marker
    while (at + 1 < bytes.size()) {
        if (byteAt(bytes, at) != 0xFF) {  // stray bytes between segments: the decoder skips them
            ++at;
            continue;
        }
        unsigned marker = byteAt(bytes, at + 1);
        if (marker == 0xD9) return true;
        if (marker == 0xFF || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += marker == 0xFF ? 1 : 2;  // a fill byte, or a marker without a segment
            continue;
        }
        if (at + 3 >= bytes.size()) return false;
        at += 2 + (byteAt(bytes, at + 2) << 8 | byteAt(bytes, at + 3));
        if (marker != 0xDA) continue;
        // Scan data runs to the next marker other than a restart; 0xFF 0x00 is a data byte.
        while (at + 1 < bytes.size()) {
            unsigned next = byteAt(bytes, at + 1);
            if (byteAt(bytes, at) == 0xFF && next != 0 && !(next >= 0xD0 && next <= 0xD7)) break;
            ++at;
        }
    }
    return false;
}

// Block by block, each image's data to its end, up to the trailer.
bool gifIsWhole(std::string_view bytes) {
    if (bytes.size() < 13) return false;
    auto colourTable = [](unsigned flags) { return flags & 0x80 ? std::size_t(3) << ((flags & 7) + 1) : 0; };
    std::size_t at = 13 + colourTable(byteAt(bytes, 10));
    auto skipSubBlocks = [&] {
        while (at < bytes.size()) {
            std::size_t length = byteAt(bytes, at++);
            if (length == 0) return true;
            at += length;
        }
        return false;
    };
    while (at < bytes.size()) {
        unsigned kind = byteAt(bytes, at++);
        if (kind == 0x3B) return true;
        if (kind == 0x21) {
            ++at;  // the extension's label
        } else if (kind == 0x2C && at + 9 < bytes.size()) {
            at += 9 + colourTable(byteAt(bytes, at + 8)) + 1;  // descriptor, table, code size
        } else {
            return false;
        }
        if (!skipSubBlocks()) return false;
    }
    return false;
}

// The pixel rows must all be there; a compressed bitmap must be as long as its header says.
bool bmpIsWhole(std::string_view bytes) {
    if (bytes.size() < 30) return false;
    const bool core = littleEndian(bytes, 14, 4) == 12;
    long long width = core ? std::int16_t(littleEndian(bytes, 18, 2)) : std::int32_t(littleEndian(bytes, 18, 4));
    long long height = core ? std::int16_t(littleEndian(bytes, 20, 2)) : std::int32_t(littleEndian(bytes, 22, 4));
    unsigned bits = littleEndian(bytes, core ? 24 : 28, 2);
    unsigned compression = core || bytes.size() < 34 ? 0 : littleEndian(bytes, 30, 4);
    long long needed = littleEndian(bytes, 2, 4);
    if (compression == 0 || compression == 3 || compression == 6) {
        long long row = (std::llabs(width) * bits + 31) / 32 * 4;
        if (row != 0 && std::llabs(height) > static_cast<long long>(bytes.size()) / row) return false;
        needed = littleEndian(bytes, 10, 4) + row * std::llabs(height);
    }
    return needed <= static_cast<long long>(bytes.size());
}

}  // namespace

bool pictureIsWhole(std::string_view bytes, const char* format) {
    using namespace std::string_view_literals;
    if (format == "jpeg"sv) return jpegIsWhole(bytes);
    if (format == "gif"sv) return gifIsWhole(bytes);
    if (format == "bmp"sv) return bmpIsWhole(bytes);
    return true;
}

PictureGate choosePictureRoute(std::string_view bytes) {
    using namespace std::string_view_literals;
    if (startsWith(bytes, "\xFF\xD8\xFF"sv)) return {PictureRoute::Decode, "jpeg"};
    if (startsWith(bytes, "GIF87a"sv) || startsWith(bytes, "GIF89a"sv)) return {PictureRoute::Decode, "gif"};
    if (startsWith(bytes, "\x89PNG\r\n\x1A\n"sv)) return {PictureRoute::Decode, "png"};
    // A BMP file, which a DIB file also is: "BM" and a header of one of the known sizes.
    if (startsWith(bytes, "BM"sv) && bytes.size() >= 18) {
        unsigned header = unsigned(static_cast<unsigned char>(bytes[14])) |
                          unsigned(static_cast<unsigned char>(bytes[15])) << 8 |
                          unsigned(static_cast<unsigned char>(bytes[16])) << 16 |
                          unsigned(static_cast<unsigned char>(bytes[17])) << 24;
        for (unsigned known : {12u, 40u, 52u, 56u, 64u, 108u, 124u})
            if (header == known) return {PictureRoute::Decode, "bmp"};
        return {};
    }
    if (metafileKind(bytes) != MetafileKind::None) return {PictureRoute::Metafile, nullptr};
    return {};
}

}  // namespace reikoboy
