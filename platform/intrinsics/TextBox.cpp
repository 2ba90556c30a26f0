// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/TextBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace tallyard {

namespace {

constexpr int UnlimitedLength = 32767;

// The editor as an operator at a scoreboard needs it. Tabbing in leaves the text as it is
// with the cursor at its end, instead of selecting it all, so a stray key adds a letter
// rather than wiping the name. Leaving shows the text from its start, so the audience reads
// the beginning of a long name.
class Editor : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        if (event->reason() != Qt::MouseFocusReason && hasSelectedText()) {
            deselect();
            end(false);
        }
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QLineEdit::focusOutEvent(event);
        setCursorPosition(0);
    }
};

} // namespace

bool isFocusMoveKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

TextBox::TextBox(QWidget *parent) : StyledControl(parent, syscolor::WindowBackground, syscolor::WindowText)
{
    m_edit = new Editor(this);
    m_edit->setFrame(false);
    m_edit->setTextMargins(2, 0, 2, 0);
    m_edit->setMaxLength(UnlimitedLength);
    setFocusProxy(m_edit);
    forwardInputOf(m_edit);
    setFocusable(true);
    connect(m_edit, &QLineEdit::textChanged, this, [this] { runGuarded("Change", [this] { emit Change(); }); });
    colorsChanged();
    setAlignment(0);
    Move(0, 0, 1215, 375);
}

QString TextBox::Text() const
{
    return m_edit->text();
}

void TextBox::setText(const QString &text)
{
    if (text == m_edit->text())
        return;
    m_edit->setText(text);
    // The start of the text shows, as after loading it.
    m_edit->setCursorPosition(0);
}

void TextBox::setAlignment(qint16 alignment)
{
    checkPropertyRange(alignment, 0, 2);
    m_alignment = alignment;
    m_edit->setAlignment(horizontalAlignment(alignment) | Qt::AlignVCenter);
}

void TextBox::setBorderStyle(qint16 style)
{
    checkPropertyRange(style, NoBorder, FixedSingle);
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    layoutEditor();
    update();
}

void TextBox::setMaxLength(qint32 length)
{
    if (length < 0)
        throw InvalidArgument();
    m_maxLength = length;
    m_edit->setMaxLength(length == 0 || length > UnlimitedLength ? UnlimitedLength : length);
}

bool TextBox::Locked() const
{
    return m_edit->isReadOnly();
}

void TextBox::setLocked(bool locked)
{
    m_edit->setReadOnly(locked);
}

qint32 TextBox::SelStart() const
{
    return m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
}

void TextBox::setSelStart(qint32 start)
{
    if (start < 0)
        throw InvalidArgument();
    m_edit->setCursorPosition(std::min<qint32>(start, static_cast<qint32>(m_edit->text().size())));
}

qint32 TextBox::SelLength() const
{
    return m_edit->hasSelectedText() ? static_cast<qint32>(m_edit->selectedText().size()) : 0;
}

void TextBox::setSelLength(qint32 length)
{
    if (length < 0)
        throw InvalidArgument();
    const int start = SelStart();
    m_edit->setSelection(start, std::min<int>(length, static_cast<int>(m_edit->text().size()) - start));
}

QString TextBox::SelText() const
{
    return m_edit->selectedText();
}

void TextBox::setSelText(const QString &text)
{
    m_edit->insert(text);
}

void TextBox::colorsChanged()
{
    QPalette palette = m_edit->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, backColor());
        palette.setColor(group, QPalette::Window, backColor());
        palette.setColor(group, QPalette::Text, foreColor());
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, backColor());
    m_edit->setPalette(palette);
    update();
}

void TextBox::layoutEditor()
{
    const int border = m_borderStyle == FixedSingle ? 1 : 0;
    m_edit->setGeometry(rect().adjusted(border, border, -border, -border));
}

void TextBox::resizeEvent(QResizeEvent *event)
{
    StyledControl::resizeEvent(event);
    layoutEditor();
}

void TextBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backColor());
    if (m_borderStyle != FixedSingle)
        return;
    // A flat line that stands out from the background whatever its colour, in the
    // highlight colour while the operator types.
    QColor line;
    if (m_edit->hasFocus()) {
        line = palette().color(QPalette::Highlight);
    } else {
        const QColor back = backColor();
        const QColor fore = foreColor();
        line = QColor((back.red() * 3 + fore.red() * 2) / 5, (back.green() * 3 + fore.green() * 2) / 5,
                      (back.blue() * 3 + fore.blue() * 2) / 5);
    }
    painter.setPen(line);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    // A key the text did not use (F2, Esc, ...) ends here, as it did in the old runtime.
    event->accept();
}

void TextBox::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
}

bool TextBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            update();
        if (isFocusMoveKey(event))
            return false;
    }
    return StyledControl::eventFilter(watched, event);
}

} // namespace tallyard
