// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "DiscoveredName.h"

#include <QList>
#include <QStringDecoder>
#include <algorithm>

namespace reikoboy::net {

namespace {

bool isHidden(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// The value of the first entry with this key, or nothing; a key without '=' has no value.
std::optional<std::string_view> valueOf(const std::vector<std::string>& txt, std::string_view key) {
    for (const std::string& entry : txt) {
        std::string_view text = entry;
        std::size_t equals = text.find('=');
        std::string_view entryKey = text.substr(0, equals);
        if (entryKey.size() != key.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < key.size() && same; ++i)
            same = asciiLower(entryKey[i]) == asciiLower(key[i]);
        if (!same) continue;
        if (equals == std::string_view::npos) return std::nullopt;
        return text.substr(equals + 1);
    }
    return std::nullopt;
}

}  // namespace

QString discoveredText(std::string_view raw, int maxCharacters) {
    // Invalid sequences (overlong forms, surrogates, stray bytes) become NUL and go with the
    // control characters, rather than showing as replacement marks.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInvalidToNull);
    const QString decoded = decoder.decode(QByteArrayView(raw.data(), qsizetype(raw.size())));
    std::u32string kept;
    bool spaceWaiting = false;
    for (char32_t c : decoded.toUcs4()) {
        if (isHidden(c)) continue;
        if (QChar::isSpace(c)) {
            spaceWaiting = !kept.empty();
            continue;
        }
        const std::size_t room = spaceWaiting ? 2 : 1;
        if (kept.size() + room > std::size_t(std::max(maxCharacters, 0))) break;
        if (spaceWaiting) kept += U' ';
        spaceWaiting = false;
        kept += c;
    }
    return QString::fromUcs4(kept.data(), qsizetype(kept.size()));
}

QString discoveredName(std::string_view raw) { return discoveredText(raw, kMaxDiscoveredName); }

std::optional<QString> announcedPlayerName(const std::vector<std::string>& txt) {
    if (valueOf(txt, "v") != std::string_view("1")) return std::nullopt;
    return discoveredName(valueOf(txt, "name").value_or(std::string_view()));
}

std::string serviceInstanceName(const QString& playerName) {
    constexpr std::size_t kMaxLabel = 63;
    std::string name = (QStringLiteral("Рейкобой: ") + playerName).toStdString();
    if (name.size() <= kMaxLabel) return name;
    std::size_t end = kMaxLabel;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    name.resize(end);
    return name;
}

}  // namespace reikoboy::net
