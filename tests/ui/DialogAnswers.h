// SPDX-FileCopyrightText: 2026 Рейкобой developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Answers the modal dialogs a window test opens, as a player would: a file chosen by its name,
// Cancel, or a button of a message box.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

namespace reikoboy::testing {

// Queues answers for the modal dialogs that will open, in order; each runs once its dialog
// is the active modal widget, and records the dialog's text or title.
class DialogAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;
    DialogAnswers() { arm(); }
    void then(Answer answer) { answers_.push_back(std::move(answer)); }
    bool allUsed() const { return answers_.empty(); }
    QStringList seen;

private:
    // Watches for modal dialogs as long as it lives; one that nobody expected fails the
    // test and is closed, so that a test never waits for ever.
    void arm() {
        QTimer::singleShot(10, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != last_) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QString text = box ? box->windowTitle() + QStringLiteral(": ") + box->text() : modal->objectName();
                seen << text;
                last_ = modal;
                arm();  // before answering: an answer may open the next dialog and wait in it
                if (answers_.empty()) {
                    ADD_FAILURE() << "a dialog nobody expected: " << text.toStdString();
                    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
                } else {
                    Answer answer = answers_.front();
                    answers_.erase(answers_.begin());
                    answer(modal);
                }
                return;
            }
            arm();
        });
    }
    std::vector<Answer> answers_;
    QPointer<QWidget> last_;  // the dialog already answered, while it closes
};

inline DialogAnswers::Answer chooseFile(QString name) {
    return [name](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr) << "expected a file dialog";
        // As a player does it: look at the dialog, write the name, press Enter. The pause lets
        // the dialog finish listing its folder, which selects the remembered file; the name
        // written in the focused field then replaces that selection.
        QTest::qWait(150);
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        dialog->activateWindow();
        edit->setFocus();
        edit->setText(name);
        QTest::keyClick(edit, Qt::Key_Return);
    };
}
inline DialogAnswers::Answer cancel() {
    return [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); };
}
inline DialogAnswers::Answer press(QMessageBox::StandardButton button) {
    return [button](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << "expected a message box";
        box->button(button)->click();
    };
}

}  // namespace reikoboy::testing
