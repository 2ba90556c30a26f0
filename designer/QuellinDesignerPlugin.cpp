// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "designer/QuellinDesignerPlugin.h"

#include "designer/ControlIcons.h"
#include "designer/DesignTimeControl.h"

#include "components/NumberLED.h"
#include "components/Ortagon.h"
#include "controls/Quellin.h"
#include "controls/TimeKeeper.h"
#include "controls/TimeLED.h"

#include <QXmlStreamWriter>

#include <exception>
#include <memory>

namespace quellin::designer {

namespace {

// A control placed new, as tallyard::createControl places one without a property bag: built,
// then InitProperties, so it starts from the defaults a host's form gives it.
template <typename T>
tallyard::Control *placeNew(QWidget *parent)
{
    auto *control = new DesignTimeControl<T>(parent);
    try {
        control->InitProperties();
    } catch (...) {
        delete control;
        throw;
    }
    return control;
}

} // namespace

ControlPlugin::ControlPlugin(ControlEntry entry, QObject *parent) : QObject(parent), m_entry(std::move(entry)) { }

QIcon ControlPlugin::icon() const
{
    if (m_icon.isNull())
        m_icon = m_entry.icon();
    return m_icon;
}

QWidget *ControlPlugin::createWidget(QWidget *parent)
{
    try {
        return m_entry.create(parent);
    } catch (const std::exception &error) {
        qWarning("%s: not created: %s", qPrintable(m_entry.className), error.what());
        return nullptr;
    }
}

void ControlPlugin::initialize(QDesignerFormEditorInterface *core)
{
    Q_UNUSED(core);
    m_initialized = true;
}

// The widget box entry: the control at the size it gives itself when placed new (the LED
// controls size themselves; the clock has its host's 1500 x 375 twips).
QString ControlPlugin::domXml() const
{
    QSize size(100, 25);
    try {
        const std::unique_ptr<tallyard::Control> sample(m_entry.create(nullptr));
        size = sample->size();
    } catch (const std::exception &) {
        // The guessed size will do for the widget box.
    }
    QString shortName = m_entry.className.mid(m_entry.className.lastIndexOf(u':') + 1);
    // TimeLED -> timeLED, as Designer names its own widgets.
    shortName[0] = shortName[0].toLower();

    QString xml;
    QXmlStreamWriter w(&xml);
    w.writeStartElement(QStringLiteral("ui"));
    w.writeAttribute(QStringLiteral("language"), QStringLiteral("c++"));
    w.writeStartElement(QStringLiteral("widget"));
    w.writeAttribute(QStringLiteral("class"), m_entry.className);
    w.writeAttribute(QStringLiteral("name"), shortName);
    w.writeStartElement(QStringLiteral("property"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("geometry"));
    w.writeStartElement(QStringLiteral("rect"));
    w.writeTextElement(QStringLiteral("x"), QStringLiteral("0"));
    w.writeTextElement(QStringLiteral("y"), QStringLiteral("0"));
    w.writeTextElement(QStringLiteral("width"), QString::number(size.width()));
    w.writeTextElement(QStringLiteral("height"), QString::number(size.height()));
    w.writeEndElement(); // rect
    w.writeEndElement(); // property
    w.writeEndElement(); // widget
    w.writeEndElement(); // ui
    return xml;
}

QuellinDesignerPlugin::QuellinDesignerPlugin(QObject *parent) : QObject(parent)
{
    // Registers Currency with the meta-type system, which the clock's properties need.
    registerControls();

    m_widgets << new ControlPlugin(
        {QStringLiteral("quellin::TimeLED"), QStringLiteral("controls/TimeLED.h"),
         QStringLiteral("LED time display: minutes and seconds in LED digits"),
         QStringLiteral("A number of seconds (Caption) shown as groups of LED digits with colon dots "
                        "between the groups. GroupLengths gives the digits of each group and "
                        "GroupDividers the seconds each counts: 2,2 and 60,1 show minutes and seconds. "
                        "The display sizes itself from Size, DigitRatio and the paddings."),
         &timeLedIcon, &placeNew<TimeLED>},
        this);
    m_widgets << new ControlPlugin(
        {QStringLiteral("quellin::TimeKeeper"), QStringLiteral("controls/TimeKeeper.h"),
         QStringLiteral("Stopwatch or count-down clock, hidden at run time"),
         QStringLiteral("A clock without a timer of its own: it keeps a base value and the time of its "
                        "last start, and works TimeSec out whenever it is read. CountDirection chooses "
                        "counting up or down, Running starts and stops it. Hosts keep it hidden "
                        "(Visible = False) and show its value on a TimeLED; the form being edited shows it "
                        "regardless. TimeSec is set from code."),
         &timeKeeperIcon, &placeNew<TimeKeeper>},
        this);
    m_widgets << new ControlPlugin(
        {QStringLiteral("tallyard::NumberLED"), QStringLiteral("components/NumberLED.h"),
         QStringLiteral("Numeric LED display"),
         QStringLiteral("A whole number (Caption) in seven-segment digits, one position per digit of "
                        "Max, as bars or rows of lamps; -1 shows nothing lit. The cell sizes itself "
                        "from Size, DigitRatio, the paddings and Max."),
         &numberLedIcon, &placeNew<tallyard::NumberLED>},
        this);
    m_widgets << new ControlPlugin(
        {QStringLiteral("tallyard::Ortagon"), QStringLiteral("components/Ortagon.h"),
         QStringLiteral("Single LED character"),
         QStringLiteral("One seven-segment character (Caption): a digit, the minus sign, a blank or a "
                        "letter seven segments can show. The cell sizes itself from Size and DigitRatio."),
         &ortagonIcon, &placeNew<tallyard::Ortagon>},
        this);
}

} // namespace quellin::designer
