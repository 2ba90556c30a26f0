// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// A look at every LED the board uses, on black as the audience sees them: NumberLED and
// Ortagon cells in both styles and every digit ratio, and the board's three clocks at their
// design settings. `--screenshot FILE` saves the window as a PNG and quits.
#include "components/NumberLED.h"
#include "components/Ortagon.h"
#include "controls/Quellin.h"
#include "controls/QuellinEnums.h"
#include "controls/TimeLED.h"
#include "platform/forms/ControlRegistry.h"
#include "platform/core/Properties.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace tallyard;

namespace {

constexpr double Margin = 300;
constexpr double Gap = 300;
constexpr int32_t Black = 0x000000;
constexpr int32_t White = 0xFFFFFF;

constexpr int32_t Ratios[]
    = {quellin::Size_H5_W3, quellin::Size_H7_W4, quellin::Size_H9_W5, quellin::Size_H11_W6, quellin::Size_H13_W7};

class Gallery : public QWidget {
public:
    Gallery()
    {
        setWindowTitle(QStringLiteral("Tallyard LED gallery"));
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::black);
        setPalette(p);

        double y = Margin;
        y = heading(QStringLiteral("NumberLED"), y);
        y = numberRow(QStringLiteral("Lines"), quellin::Ortagon, 0x0000FF, y);
        y = numberRow(QStringLiteral("Dots"), quellin::CircleLED, 0x00FFFF, y);
        y = heading(QStringLiteral("Ortagon"), y + Gap);
        y = ortagonRow(QStringLiteral("Lines"), quellin::Ortagon, 0x00C000, y);
        y = ortagonRow(QStringLiteral("Dots"), quellin::CircleLED, 0x0080FF, y);
        y = clocks(y + Gap);
        resize(static_cast<int>((m_right + Margin) / TwipsPerPixel), static_cast<int>((y + Margin) / TwipsPerPixel));
    }

private:
    QLabel *label(const QString &text, double left, double top, double width, double height, int pixelSize,
                  bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
                  const QColor &color = Qt::white)
    {
        auto *l = new QLabel(text, this);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(pixelSize);
        font.setBold(bold);
        l->setFont(font);
        l->setAlignment(align);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, color);
        l->setPalette(p);
        l->setGeometry(Control::twipsToPixels(left, top, width, height));
        return l;
    }

    double heading(const QString &text, double y)
    {
        label(text, Margin, y, 6000, 480, 24, true);
        return y + 540;
    }

    void extend(const Control *c) { m_right = std::max(m_right, c->Left() + c->Width()); }

    // One cell per digit ratio, the ratio written underneath.
    double numberRow(const QString &style, int32_t ledType, int32_t lit, double y)
    {
        label(style, Margin, y, 1100, 600, 16, false, Qt::AlignLeft | Qt::AlignVCenter, QColor(170, 170, 170));
        double x = Margin + 1200;
        double bottom = y;
        int value = 7;
        for (int32_t ratio : Ratios) {
            Control *c = createControl(QStringLiteral("Brenlite.NumberLED"), this);
            setPropertyByName(c, u"Max", 99);
            setPropertyByName(c, u"Size", 40);
            setPropertyByName(c, u"DigitRatio", ratio);
            setPropertyByName(c, u"LedType", ledType);
            setPropertyByName(c, u"PaddingH", 90);
            setPropertyByName(c, u"PaddingV", 90);
            setPropertyByName(c, u"PaddingI", 90);
            setPropertyByName(c, u"ZeroFill", true);
            setPropertyByName(c, u"LitColor", lit);
            setPropertyByName(c, u"BackColor", Black);
            setPropertyByName(c, u"Caption", value);
            value += 19;
            c->setLeft(x);
            c->setTop(y);
            label(ratioName(ratio), x, y + c->Height() + 30, c->Width(), 300, 12, false, Qt::AlignCenter,
                  QColor(140, 140, 140));
            extend(c);
            bottom = std::max(bottom, y + c->Height() + 330);
            x += c->Width() + Gap;
        }
        return bottom + 120;
    }

    double ortagonRow(const QString &style, int32_t ledType, int32_t lit, double y)
    {
        label(style, Margin, y, 1100, 600, 16, false, Qt::AlignLeft | Qt::AlignVCenter, QColor(170, 170, 170));
        double x = Margin + 1200;
        double bottom = y;
        const QString characters = QStringLiteral("23569");
        int i = 0;
        for (int32_t ratio : Ratios) {
            Control *c = createControl(QStringLiteral("prjOrtagon.Ortagon"), this);
            setPropertyByName(c, u"Size", 48);
            setPropertyByName(c, u"DigitRatio", ratio);
            setPropertyByName(c, u"LedType", ledType);
            setPropertyByName(c, u"LitColor", lit);
            setPropertyByName(c, u"BackColor", Black);
            setPropertyByName(c, u"Caption", QString(characters[i++]));
            c->setLeft(x);
            c->setTop(y);
            label(ratioName(ratio), x - 200, y + c->Height() + 30, c->Width() + 400, 300, 12, false, Qt::AlignCenter,
                  QColor(140, 140, 140));
            extend(c);
            bottom = std::max(bottom, y + c->Height() + 330);
            x += c->Width() + Gap + 300;
        }
        return bottom + 120;
    }

    // The board's three clocks, loaded from their design values as the board loads them.
    double clocks(double y)
    {
        struct Clock {
            const char *title;
            float caption;
            const char *lengths;
            int32_t lit;
        };
        const Clock designs[]
            = {{"Routine", 1800, "2,2", 0x00C000}, {"Fall", 30, "1,2", 0x0000FF}, {"Warm-Up", 1800, "2,2", 0x00FFFF}};
        double x = Margin;
        double bottom = y;
        const double titleHeight = 600;
        for (const Clock &design : designs) {
            PropertyBag bag;
            bag.WriteProperty(QStringLiteral("PSize"), 59, 45);
            bag.WriteProperty(QStringLiteral("PPaddingH"), 140, 90);
            bag.WriteProperty(QStringLiteral("PPaddingI"), 200, 90);
            bag.WriteProperty(QStringLiteral("PPaddingD"), 100, 90);
            bag.WriteProperty(QStringLiteral("PLitColor"), design.lit, 0x0080FF);
            bag.WriteProperty(QStringLiteral("PBackColor"), Black, 0);
            bag.WriteProperty(QStringLiteral("PDotColor"), White, 0xFFFFFF);
            bag.WriteProperty(QStringLiteral("PCaption"), design.caption, 0.0f);
            bag.WriteProperty(QStringLiteral("PGroupLengths"), QString::fromLatin1(design.lengths),
                              QStringLiteral("2,2"));
            Control *c = createControl(QStringLiteral("Quellin.TimeLED"), this, &bag);
            c->setLeft(x);
            c->setTop(y + titleHeight);
            label(QString::fromLatin1(design.title), x, y, c->Width(), titleHeight - 60, 30, true, Qt::AlignCenter);
            extend(c);
            bottom = std::max(bottom, c->Top() + c->Height());
            x += c->Width() + Gap;
        }
        return bottom;
    }

    // "5:3" for Size_H5_W3: digit height to width.
    static QString ratioName(int32_t ratio) { return QStringLiteral("%1:%2").arg(ratio / 10).arg(ratio % 10); }

    double m_right = 0;
};

} // namespace

int main(int argc, char **argv)
{
    // A screenshot needs no screen.
    bool screenshot = false;
    for (int i = 1; i < argc; ++i)
        screenshot = screenshot || qstrcmp(argv[i], "--screenshot") == 0;
    if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every LED cell and clock display of the board."));
    parser.addHelpOption();
    const QCommandLineOption shotOption(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the window as a PNG to <file> and quit."),
                                        QStringLiteral("file"));
    parser.addOption(shotOption);
    parser.process(app);

    quellin::registerControls();
    Gallery gallery;
    gallery.show();

    if (parser.isSet(shotOption)) {
        QApplication::processEvents();
        const QString file = parser.value(shotOption);
        if (!gallery.grab().save(file, "PNG")) {
            std::fprintf(stderr, "tallyard-gallery: cannot write %s\n", qPrintable(file));
            return 1;
        }
        return 0;
    }
    return app.exec();
}
