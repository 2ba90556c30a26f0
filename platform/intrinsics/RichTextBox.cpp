// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/RichTextBox.h"

#include "platform/readers/RtfReader.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace tallyard {

RichTextBox::RichTextBox(QWidget *parent) : StyledControl(parent, syscolor::WindowBackground, syscolor::WindowText)
{
    m_edit = new QTextEdit(this);
    m_edit->setReadOnly(true);
    m_edit->setUndoRedoEnabled(false);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_edit->setFrameShape(QFrame::NoFrame);
    setFocusProxy(m_edit);
    forwardInputOf(m_edit);
    setFocusable(true);
    colorsChanged();
    applyWrap();
    Move(0, 0, 2400, 1800);
}

QString RichTextBox::Text() const
{
    return m_edit->toPlainText();
}

void RichTextBox::setText(const QString &text)
{
    m_edit->setPlainText(text);
}

void RichTextBox::setRightMargin(double twips)
{
    if (twips < 0)
        throw InvalidArgument();
    m_rightMargin = twips;
    applyWrap();
}

bool RichTextBox::Locked() const
{
    return m_edit->isReadOnly();
}

void RichTextBox::setLocked(bool locked)
{
    m_edit->setReadOnly(locked);
}

bool RichTextBox::LoadFile(const QString &path)
{
    // Straight into the document on show: the reader leaves it as it was when the file holds
    // no RTF, and a copy would double what a large file costs.
    if (!loadRtfFile(path, *m_edit->document()))
        return false;
    m_edit->moveCursor(QTextCursor::Start);
    return true;
}

void RichTextBox::applyWrap()
{
    if (m_rightMargin > 0) {
        m_edit->setLineWrapMode(QTextEdit::FixedPixelWidth);
        m_edit->setLineWrapColumnOrWidth(std::max(1, static_cast<int>(m_rightMargin / TwipsPerPixel)));
    } else {
        m_edit->setLineWrapMode(QTextEdit::WidgetWidth);
    }
}

void RichTextBox::resizeEvent(QResizeEvent *event)
{
    StyledControl::resizeEvent(event);
    m_edit->setGeometry(rect());
}

void RichTextBox::colorsChanged()
{
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, backColor());
    palette.setColor(QPalette::Text, foreColor());
    m_edit->setPalette(palette);
    update();
}

void RichTextBox::fontChanged()
{
    m_edit->setFont(font());
}

} // namespace tallyard
