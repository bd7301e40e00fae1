// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// reikoboy-metafile: turns a WMF or EMF picture into a PNG of a given size.
//
//   reikoboy-metafile WIDTH HEIGHT < picture > picture.png
//
// The game runs it as a short-lived process of its own, with a time limit, so that a broken
// metafile can never crash or hang the game; the helper also limits its own memory and CPU
// time, so that a hostile one cannot take the machine's memory either. Exit code 0 with the PNG, 1 when the input is
// not a metafile it can draw.
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <sys/resource.h>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

extern "C" {
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
}

#include "MetafileKind.h"

namespace {

constexpr size_t kLargestMetafile = 32u << 20;
constexpr rlim_t kAddressSpace = rlim_t(512) << 20;
constexpr rlim_t kCpuSeconds = 2;

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define REIKOBOY_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define REIKOBOY_ASAN 1
#endif

// Past the limits the helper dies (an allocation fails, or SIGXCPU ends it) and the game
// treats the picture as unreadable. No core file is left behind.
void limitResources() {
#ifndef REIKOBOY_ASAN  // the address sanitizer reserves terabytes of address space up front
    rlimit memory{kAddressSpace, kAddressSpace};
    setrlimit(RLIMIT_AS, &memory);
#endif
    rlimit cpu{kCpuSeconds, kCpuSeconds + 1};
    setrlimit(RLIMIT_CPU, &cpu);
    rlimit core{0, 0};
    setrlimit(RLIMIT_CORE, &core);
}

QByteArray emfToSvg(std::string& bytes, int width, int height) {
    generatorOptions options{};
    options.nameSpace = const_cast<char*>("");
    options.svgDelimiter = true;
    options.emfplus = true;
    options.imgWidth = width;
    options.imgHeight = height;
    char* svg = nullptr;
    size_t length = 0;
    if (!emf2svg(bytes.data(), bytes.size(), &svg, &length, &options) || !svg) {
        free(svg);
        return {};
    }
    QByteArray result(svg, static_cast<qsizetype>(length));
    free(svg);
    return result;
}

QByteArray wmfToSvg(std::string& bytes, int width, int height) {
    wmfAPI* api = nullptr;
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api) wmf_api_destroy(api);
        return {};
    }
    QByteArray result;
    wmfD_Rect box;
    if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(bytes.data()), long(bytes.size())) == wmf_E_None &&
        wmf_scan(api, 0, &box) == wmf_E_None) {
        wmf_svg_t* svg = WMF_SVG_GetData(api);
        svg->out = wmf_stream_create(api, nullptr);
        svg->Description = const_cast<char*>("");
        svg->bbox = box;
        svg->width = unsigned(width);
        svg->height = unsigned(height);
        if (wmf_play(api, 0, &box) == wmf_E_None) {
            char* text = nullptr;
            unsigned long length = 0;
            wmf_stream_destroy(api, svg->out, &text, &length);
            if (text) result = QByteArray(text, qsizetype(length));
        }
    }
    wmf_api_destroy(api);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    limitResources();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: reikoboy-metafile WIDTH HEIGHT < picture > picture.png\n";
        return 2;
    }
    int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192) return 2;

    std::string bytes;
    char chunk[65536];
    while (size_t n = std::fread(chunk, 1, sizeof chunk, stdin)) {
        bytes.append(chunk, n);
        if (bytes.size() > kLargestMetafile) return 1;
    }
    QByteArray svg;
    switch (reikoboy::metafileKind(bytes)) {
        case reikoboy::MetafileKind::Emf: svg = emfToSvg(bytes, width, height); break;
        case reikoboy::MetafileKind::Wmf: svg = wmfToSvg(bytes, width, height); break;
        case reikoboy::MetafileKind::None: return 1;
    }
    QSvgRenderer renderer(svg);
    if (svg.isEmpty() || !renderer.isValid()) return 1;
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!picture.save(&png, "PNG")) return 1;
    std::fwrite(png.data().constData(), 1, size_t(png.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
