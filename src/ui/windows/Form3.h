// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The About window: the rails in their start pattern, the credit line, and the e-mail address
// that behaves like a link (underlined under the mouse, a click opens a new message).
#pragma once

#include <QDialog>

class QLabel;

namespace reikoboy {

class Form3 : public QDialog {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent);
    QLabel* mailLabel() const { return Label2; }
    QLabel* noMailNote() const { return noMail_; }

    static QString authorName();
    static QString authorAddress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void nameThings();  // the title and the notes, in the language the window speaks
    void placeMailLabel();
    void setUnderline(bool on);
    void mail();
    QLabel* Label2 = nullptr;
    QLabel* credit_ = nullptr;
    QLabel* noMail_ = nullptr;  // shown when no mail program takes the address
};

}  // namespace reikoboy
