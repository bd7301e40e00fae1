// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// libFuzzer target: any bytes at all, as the content of a background picture file. The gate
// must pick one way for them (decode in the game, the metafile helper, or refuse), never
// crash, and only bytes it sends to a decoder may ever come out as a picture.
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "metafile/MetafileKind.h"
#include "ui/pictures/PictureFile.h"
#include "ui/pictures/PictureGate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace reikoboy;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PictureGate gate = choosePictureRoute(bytes);
    QImage picture = decodeRasterPicture(QByteArray(bytes.data(), qsizetype(size)));
    switch (gate.route) {
        case PictureRoute::Decode:
            if (!gate.format) std::abort();
            for (const char* known : {"jpeg", "gif", "bmp", "png"})
                if (std::strcmp(gate.format, known) == 0) return 0;
            std::abort();
        case PictureRoute::Metafile:
            if (metafileKind(bytes) == MetafileKind::None || !picture.isNull()) std::abort();
            return 0;
        case PictureRoute::Refuse:
            if (!picture.isNull()) std::abort();
            return 0;
    }
    std::abort();
}
