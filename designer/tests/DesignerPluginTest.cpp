// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The plugin as Designer meets it: loaded from its file, asked for its collection, making
// controls and having their properties set through the meta-object system.
#include "components/NumberLED.h"
#include "components/Ortagon.h"
#include "controls/Quellin.h"
#include "controls/TimeKeeper.h"
#include "controls/TimeLED.h"
#include "platform/forms/ControlRegistry.h"

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <QMetaProperty>
#include <QPluginLoader>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

using namespace tallyard;

// Designer's form window as the plugin knows it: by its class name. This suite does not
// link libQt6Designer, so the stand-in has the name to itself.
class QDesignerFormWindowInterface : public QWidget {
    Q_OBJECT
};

namespace {

QList<QDesignerCustomWidgetInterface *> offered()
{
    static QPluginLoader loader(QStringLiteral(QUELLIN_DESIGNER_PLUGIN));
    const auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
    if (!collection) {
        ADD_FAILURE() << qPrintable(loader.errorString());
        return {};
    }
    return collection->customWidgets();
}

QDesignerCustomWidgetInterface *plugin(const char *className)
{
    for (QDesignerCustomWidgetInterface *widget : offered())
        if (widget->name() == QLatin1StringView(className))
            return widget;
    ADD_FAILURE() << className << " not offered";
    return nullptr;
}

TEST(DesignerPlugin, OffersTheFourControlsInTheQuellinGroup)
{
    QStringList names;
    for (QDesignerCustomWidgetInterface *widget : offered()) {
        SCOPED_TRACE(qPrintable(widget->name()));
        EXPECT_EQ(widget->group(), QStringLiteral("Quellin"));
        EXPECT_FALSE(widget->isContainer());
        EXPECT_FALSE(widget->icon().isNull() || widget->toolTip().isEmpty() || widget->whatsThis().isEmpty());
        names << widget->name();
    }
    names.sort();
    EXPECT_EQ(names,
              QStringList({"quellin::TimeKeeper", "quellin::TimeLED", "tallyard::NumberLED", "tallyard::Ortagon"}));
}

// One row per control: a property a form designer sets, and what the control then shows.
struct Row {
    const char *className;
    const char *property;
    QVariant value;
    std::function<void(QWidget *)> check;
};

const QList<Row> &rows()
{
    static const QList<Row> table = {
        {"quellin::TimeLED", "Caption", 83.0f,
         [](QWidget *w) {
             const auto *led = qobject_cast<quellin::TimeLED *>(w);
             ASSERT_NE(led, nullptr);
             EXPECT_EQ(led->cell(0)->Caption(), 1); // 1:23
             EXPECT_EQ(led->cell(1)->Caption(), 23);
         }},
        // Designer writes an enum property as its number.
        {"quellin::TimeKeeper", "CountDirection", 1,
         [](QWidget *w) {
             ASSERT_NE(qobject_cast<quellin::TimeKeeper *>(w), nullptr);
             EXPECT_EQ(qobject_cast<quellin::TimeKeeper *>(w)->CountDirection(), quellin::Up);
         }},
        {"tallyard::NumberLED", "Caption", 42,
         [](QWidget *w) {
             ASSERT_NE(qobject_cast<NumberLED *>(w), nullptr);
             EXPECT_EQ(qobject_cast<NumberLED *>(w)->segmentsShown(),
                       std::vector<uint8_t>({sevenseg::digitMask(4), sevenseg::digitMask(2)}));
         }},
        {"tallyard::Ortagon", "Caption", QStringLiteral("E"),
         [](QWidget *w) {
             ASSERT_NE(qobject_cast<Ortagon *>(w), nullptr);
             EXPECT_EQ(qobject_cast<Ortagon *>(w)->segmentsShown(), sevenseg::characterMask(U'E'));
         }},
    };
    return table;
}

// The class a widget box entry names, and the size it drops the control at.
std::pair<QString, QSize> boxEntry(const QString &domXml)
{
    QXmlStreamReader xml(domXml);
    QString className;
    QSize size;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"widget" && className.isEmpty())
            className = xml.attributes().value(QStringLiteral("class")).toString();
        else if (xml.name() == u"width")
            size.setWidth(xml.readElementText().toInt());
        else if (xml.name() == u"height")
            size.setHeight(xml.readElementText().toInt());
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    return {className, size};
}

TEST(DesignerPlugin, MakesEachControlAndItsPropertiesTakeEffect)
{
    for (const Row &row : rows()) {
        SCOPED_TRACE(row.className);
        QDesignerCustomWidgetInterface *entry = plugin(row.className);
        ASSERT_NE(entry, nullptr);
        QWidget form;
        QWidget *widget = entry->createWidget(&form);
        ASSERT_NE(widget, nullptr);
        // The .ui file and uic's code name the class Designer sees.
        EXPECT_STREQ(widget->metaObject()->className(), row.className);
        // Dropped from the box, the control has the size it gives itself.
        EXPECT_EQ(boxEntry(entry->domXml()), std::make_pair(QString::fromLatin1(row.className), widget->size()));
        EXPECT_TRUE(widget->setProperty(row.property, row.value));
        row.check(widget);
    }
}

// Placed from the widget box, a control starts as a host's form places one new.
TEST(DesignerPlugin, ControlsStartFromTheDefaultsAHostGivesThem)
{
    quellin::registerControls();
    for (const Row &row : rows()) {
        SCOPED_TRACE(row.className);
        QWidget form;
        QWidget *designed = plugin(row.className)->createWidget(&form);
        ASSERT_NE(designed, nullptr);
        const QMetaObject *meta = designed->metaObject();
        const char *progId = meta->classInfo(meta->indexOfClassInfo("ProgID")).value();
        Control *hosted = createControl(QString::fromLatin1(progId), &form);
        EXPECT_EQ(designed->size(), hosted->size());
        for (int i = Control::staticMetaObject.propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty p = meta->property(i);
            if (p.isWritable() && p.metaType() != QMetaType::fromType<Currency>()) {
                EXPECT_EQ(p.read(designed), p.read(hosted)) << p.name();
            }
        }
    }
}

// Designer's property editor has no boundary that would catch a control's failure: a
// value the control refuses must end in a warning, not in the end of the program.
TEST(DesignerPlugin, RefusedValuesLeaveTheControlWorking)
{
    QWidget form;
    QWidget *widget = plugin("quellin::TimeLED")->createWidget(&form);
    const QList<std::pair<const char *, QVariant>> refused = {
        {"GroupDividers", QString()}, // clearing the field
        {"GroupLengths", QStringLiteral("2,5")},
        {"PaddingD", 20000},
        {"Caption", 1.0e9f},
    };
    for (const auto &[property, value] : refused)
        EXPECT_NO_THROW(widget->setProperty(property, value)) << property;
    widget->setProperty("PaddingD", 90);
    widget->setProperty("GroupLengths", QStringLiteral("2,2"));
    widget->setProperty("Caption", 83.0f);
    EXPECT_EQ(qobject_cast<quellin::TimeLED *>(widget)->cell(1)->Caption(), 23);
}

// Designer moves a control in pixels; a property that makes it size itself again (one the
// property editor offers) must leave it where it was put, and Left reads where it is.
TEST(DesignerPlugin, SelfSizingControlsStayWhereTheyWerePut)
{
    const QList<std::tuple<const char *, const char *, QVariant>> widening = {
        {"quellin::TimeLED", "GroupLengths", QStringLiteral("2,2,2")},
        {"tallyard::NumberLED", "DigitRatio", led::Size_H5_W3},
        {"tallyard::Ortagon", "DigitRatio", led::Size_H5_W3},
    };
    for (const auto &[className, property, value] : widening) {
        SCOPED_TRACE(className);
        QWidget form;
        auto *control = qobject_cast<Control *>(plugin(className)->createWidget(&form));
        ASSERT_NE(control, nullptr);
        const QSize before = control->size();
        control->setGeometry(QRect(QPoint(120, 40), before));
        EXPECT_TRUE(control->setProperty(property, value));
        EXPECT_EQ(control->pos(), QPoint(120, 40));
        EXPECT_GT(control->width(), before.width());
        EXPECT_DOUBLE_EQ(control->property("Left").toDouble(), 120 * TwipsPerPixel);
    }
}

// A host keeps its clocks hidden. On the form being edited a hidden clock stays on show, so
// it can be picked, and keeps the flag for the .ui file; anywhere else (a preview, QUiLoader
// at run time) it hides as in a host.
TEST(DesignerPlugin, HiddenClockStaysOnShowOnlyInTheFormEditor)
{
    for (const bool editing : {true, false}) {
        SCOPED_TRACE(editing ? "form window" : "preview");
        std::unique_ptr<QWidget> window(editing ? new QDesignerFormWindowInterface : new QWidget);
        QWidget *clock = plugin("quellin::TimeKeeper")->createWidget(window.get());
        window->show();
        EXPECT_TRUE(clock->setProperty("Visible", false));
        EXPECT_FALSE(clock->property("Visible").toBool());
        EXPECT_EQ(clock->isVisible(), editing);
        EXPECT_FALSE(clock->size().isEmpty());
    }
}

} // namespace

#include "DesignerPluginTest.moc"
