// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/start/FirstFrame.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace reikoboy {

namespace {

// Watches the widget until it is shown, then its native window: the first exposure is painted
// while the event is delivered, so a call queued then comes after the frame.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QObject* context, std::function<void()> then)
        : context_(context), then_(std::move(then)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            QWindow* native = static_cast<QWidget*>(watched)->windowHandle();
            if (native) {
                watched->removeEventFilter(this);
                native->installEventFilter(this);
            }
        } else if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            if (context_) QTimer::singleShot(0, context_.data(), std::move(then_));
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QObject> context_;
    std::function<void()> then_;
};

}  // namespace

void afterFirstFrame(QWidget* window, QObject* context, std::function<void()> then) {
    auto* watch = new FirstFrameWatch(context, std::move(then));
    watch->setParent(window);
    window->installEventFilter(watch);
}

}  // namespace reikoboy
