// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/start/LeanStyle.h"

#include <QIconEngine>
#include <QPointer>

namespace reikoboy {

namespace {

// Asks the style for the icon the first time it is needed.
class DeferredIcon : public QIconEngine {
public:
    DeferredIcon(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return real().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIcon(style_, which_); }

private:
    const QIcon& real() {
        if (!loaded_ && style_) icon_ = style_->standardIcon(which_);
        loaded_ = true;
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool loaded_ = false;
};

}  // namespace

QIcon LeanStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new DeferredIcon(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace reikoboy
