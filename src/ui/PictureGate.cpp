// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "PictureGate.h"

#include "metafile/MetafileKind.h"

namespace reikoboy {

namespace {

bool startsWith(std::string_view bytes, std::string_view magic) {
    return bytes.substr(0, magic.size()) == magic;
}

}  // namespace

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
