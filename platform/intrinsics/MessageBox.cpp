// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace tallyard {

namespace {

MessageBoxHandler &handler()
{
    static MessageBoxHandler installed;
    return installed;
}

} // namespace

void setMessageBoxOverride(MessageBoxHandler newHandler)
{
    handler() = std::move(newHandler);
}

int MsgBox(const QString &prompt, int buttons, const QString &title, QWidget *owner)
{
    if (handler())
        return handler()({prompt, title, buttons});
    QMessageBox box(owner ? owner : QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setIcon((buttons & msgbox::Question) ? QMessageBox::Question : QMessageBox::NoIcon);
    if ((buttons & 7) == msgbox::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (answer == QMessageBox::Yes)
        return msgbox::Yes;
    if (answer == QMessageBox::No)
        return msgbox::No;
    return 1; // OK
}

} // namespace tallyard
