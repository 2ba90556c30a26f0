// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Controls created by ProgID on one window, their design values set by name from
// "Key = value" lines, as a form's design table creates them.

#include "platform/core/Properties.h"
#include "platform/forms/ControlRegistry.h"
#include "platform/intrinsics/Intrinsics.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tallyard::test {

// A form stand-in that records the keys reaching it, so a test can tell whether a
// control let a key through.
class Host : public QWidget {
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys << event->key(); }
};

class Intrinsics : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registerIntrinsicControls(); }

    template <typename T = Control>
    T *add(const char *progId, QWidget *parent, double left, double top, double width, double height,
           const char *design = nullptr)
    {
        Control *control = createControl(QString::fromLatin1(progId), parent ? parent : window.get());
        control->Move(left, top, width, height);
        if (design) {
            const PropertyBag values = PropertyBag::fromText(QString::fromUtf8(design));
            for (const QString &key : values.keys())
                setPropertyByName(control, key, values.ReadProperty(key));
        }
        T *typed = qobject_cast<T *>(control);
        EXPECT_NE(typed, nullptr) << progId;
        return typed;
    }

    void showActive()
    {
        window->resize(640, 480);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    static QWidget *focused() { return QApplication::focusWidget(); }
    // The control that holds the focus (a text box for its inner line edit).
    static Control *focusedControl()
    {
        for (QWidget *w = focused(); w; w = w->parentWidget())
            if (auto *control = qobject_cast<Control *>(w))
                return control;
        return nullptr;
    }

    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), static_cast<Qt::Key>(key), modifiers);
    }

    std::unique_ptr<Host> window = std::make_unique<Host>();
};

inline QString writePicture(const QTemporaryDir &dir, const QString &name, const QImage &image, const char *format)
{
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, format));
    return path;
}

// A picture 20 x 10 pixels, red on the left half and blue on the right.
inline QImage twoColourPicture()
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    painter.fillRect(10, 0, 10, 10, Qt::blue);
    return image;
}

} // namespace tallyard::test
