// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Which way a picture file goes, judged by its first bytes only: the raster formats Qt's own
// decoders read are decoded in the game, metafiles are drawn by the helper process, and
// everything else (SVG, formats other image plugins add, anything unknown) is refused, so no
// decoder the game does not know can run inside it. Standard C++.
#pragma once

#include <string_view>

namespace reikoboy {

enum class PictureRoute { Decode, Metafile, Refuse };

struct PictureGate {
    PictureRoute route = PictureRoute::Refuse;
    const char* format = nullptr;  // the decoder for Decode: "jpeg", "gif", "bmp" or "png"
};

PictureGate choosePictureRoute(std::string_view bytes);

// Whether the file holds its whole picture, walked through its structure: Qt's JPEG, GIF and
// BMP decoders show what they got of a file cut short, the rest grey, and report no error.
// A PNG cut short already fails to decode.
bool pictureIsWhole(std::string_view bytes, const char* format);

}  // namespace reikoboy
