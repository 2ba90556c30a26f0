// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// A single LED character cell: one seven-segment character (a digit, the minus sign, a
// blank or one of the letters seven segments can show) in bars or in round lamps. The
// Options dialog previews the board's digit style with it.

#include "tallyard_components_export.h"
#include "components/LEDDispIds.h"
#include "components/LEDCell.h"

namespace tallyard {

class TALLYARD_COMPONENTS_EXPORT Ortagon : public LEDCell {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Ortagon")
    Q_CLASSINFO("ProgID", "prjOrtagon.Ortagon")
    TALLYARD_ORTAGON_DISPIDS(TALLYARD_DISPID_CLASSINFO)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    // A new cell: a red 8, 65 pixels tall at the 7:4 ratio, on black (the look of the
    // board's number displays).
    static constexpr qint16 DefaultSize = 65;
    static constexpr char16_t DefaultCaption = u'8';
    static constexpr qint32 DefaultDigitRatio = led::Size_H7_W4;

    explicit Ortagon(QWidget *parent = nullptr);

    // One character: a longer text keeps its first character, an empty one shows nothing.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &text);

    // The segments lit for the caption (sevenseg::Segment bits).
    uint8_t segmentsShown() const;

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    QSizeF ownSize() const override;

private:
    QString m_caption = QString(QChar(DefaultCaption));
};

} // namespace tallyard
