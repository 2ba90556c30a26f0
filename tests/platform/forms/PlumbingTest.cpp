#include "platform/forms/ControlRegistry.h"
#include "platform/core/Properties.h"
#include "platform/core/PropertyBag.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

using namespace tallyard;

namespace {

// A control with one property of each kind the forms use.
class Probe : public Control {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "Probe")
    Q_CLASSINFO("DispId Size", "0x6803000C")
    Q_CLASSINFO("DispId Caption", "0x68030006")
    Q_CLASSINFO("DispId Reset", "0x60030001")
    Q_PROPERTY(qint16 Size READ Size WRITE setSize)
    Q_PROPERTY(float Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(bool Flag READ Flag WRITE setFlag)

public:
    using Control::Control;
    qint16 Size() const { return m_size; }
    void setSize(qint16 size)
    {
        if (size == 13)
            throw InvalidArgument();
        m_size = size;
    }
    float Caption() const { return m_caption; }
    void setCaption(float caption) { m_caption = caption; }
    QString Text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    bool Flag() const { return m_flag; }
    void setFlag(bool flag) { m_flag = flag; }
    Q_INVOKABLE QVariant Reset()
    {
        m_size = 45;
        return QVariant();
    }

    void InitProperties() override { m_size = 45; }
    void ReadProperties(const PropertyBag &bag) override { m_size = variantToInt16(bag.ReadProperty("PSize", 45)); }
    void WriteProperties(PropertyBag &bag) const override { bag.WriteProperty("PSize", m_size, 45); }

    // Takes the keyboard focus, as the LED displays do.
    void makeFocusable() { setFocusable(true); }
    void makeComposite() { setComposite(true); }

private:
    qint16 m_size = 0;
    float m_caption = 0;
    QString m_text;
    bool m_flag = false;
};

TEST(PropertiesByName, AreFoundWhateverTheCase)
{
    Probe probe;
    setPropertyByName(&probe, u"size", 59);
    EXPECT_EQ(probe.Size(), 59);
    EXPECT_EQ(getPropertyByName(&probe, u"SIZE").toInt(), 59);
    setPropertyByName(&probe, u"Visible", false);
    EXPECT_FALSE(probe.Visible());
    EXPECT_THROW(getPropertyByName(&probe, u"NoSuchThing"), MemberNotFound);
    EXPECT_THROW(setPropertyByName(&probe, u"NoSuchThing", 1), MemberNotFound);
    EXPECT_TRUE(hasProperty(&probe, u"caption"));
}

TEST(PropertiesByName, ConvertValuesToThePropertyType)
{
    Probe probe;
    setPropertyByName(&probe, u"Size", 58.5); // half to even
    EXPECT_EQ(probe.Size(), 58);
    setPropertyByName(&probe, u"Size", QStringLiteral("120"));
    EXPECT_EQ(probe.Size(), 120);
    EXPECT_THROW(setPropertyByName(&probe, u"Size", 40000), OverflowError);
    EXPECT_EQ(probe.Size(), 120);
    EXPECT_THROW(setPropertyByName(&probe, u"Size", QStringLiteral("twelve")), TypeMismatch);
    setPropertyByName(&probe, u"Text", 1.5);
    EXPECT_EQ(probe.Text(), QStringLiteral("1.5"));
    setPropertyByName(&probe, u"Flag", -1);
    EXPECT_TRUE(probe.Flag());
    setPropertyByName(&probe, u"Caption", QStringLiteral("65.7"));
    EXPECT_FLOAT_EQ(probe.Caption(), 65.7f);
    EXPECT_EQ(variantToString(getPropertyByName(&probe, u"Caption")), QStringLiteral("65.7"));
}

TEST(PropertiesByName, ASetterFailureReachesTheCaller)
{
    Probe probe;
    EXPECT_THROW(setPropertyByName(&probe, u"Size", 13), InvalidArgument);
}

TEST(TwipGeometry, ReadsBackExactlyAndMapsToPixels)
{
    QWidget host;
    Probe probe(&host);
    probe.Move(90, 75, 1223.5, 375);
    EXPECT_EQ(getPropertyByName(&probe, u"Width").toDouble(), 1223.5);
    EXPECT_EQ(probe.Left(), 90);
    EXPECT_EQ(probe.geometry(), QRect(6, 5, 82, 25)); // 1313.5 / 15 = 87.6 -> 88
}

TEST(Dispatch, CallsMembersByTheirIds)
{
    Probe probe;
    EXPECT_EQ(dispId(&probe, u"size"), 0x6803000C);
    invoke(&probe, 0x6803000C, DispatchKind::PropertyLet, 77);
    EXPECT_EQ(invoke(&probe, 0x6803000C, DispatchKind::PropertyGet).toInt(), 77);
    EXPECT_FALSE(invoke(&probe, 0x60030001, DispatchKind::Method).isValid()); // Empty
    EXPECT_EQ(probe.Size(), 45);
    EXPECT_THROW(invoke(&probe, 0x12345, DispatchKind::PropertyGet), MemberNotFound);
    EXPECT_EQ(eventDispId(&probe, u"KeyDown"), 3);
    EXPECT_EQ(eventDispId(&probe, u"mouseup"), 8);
}

TEST(Dispatch, TypeNamesComeFromTheClass)
{
    Probe probe;
    EXPECT_EQ(typeName(&probe), QStringLiteral("Probe"));
    QObject plain;
    EXPECT_EQ(typeName(&plain), QStringLiteral("QObject"));
}

TEST(PropertyBag, StoresOnlyValuesThatDifferFromTheirDefaults)
{
    PropertyBag bag;
    bag.WriteProperty("PSize", 45, 45);
    bag.WriteProperty("PCaption", 0.0, 0);
    bag.WriteProperty("PGroupLengths", QStringLiteral("2,2"), QStringLiteral("2,2"));
    EXPECT_TRUE(bag.isEmpty());
    bag.WriteProperty("PSize", 59, 45);
    EXPECT_EQ(bag.ReadProperty("psize", 45).toInt(), 59);
    bag.WriteProperty("PSize", 45, 45); // back to the default: the entry goes
    EXPECT_FALSE(bag.contains("PSize"));
    EXPECT_EQ(bag.ReadProperty("PSize", 45).toInt(), 45);
}

TEST(PropertyBag, SurvivesARoundTripThroughText)
{
    PropertyBag bag;
    bag.WriteProperty("PSize", 59, 45);
    bag.WriteProperty("PCaption", 1800.5, 0);
    bag.WriteProperty("PGroupLengths", QStringLiteral("1,\"2\""), QStringLiteral("2,2"));
    bag.WriteProperty("PShowSeparators", false, true);
    const PropertyBag back = PropertyBag::fromText(bag.toText());
    EXPECT_EQ(back.ReadProperty("PSize").toInt(), 59);
    EXPECT_EQ(back.ReadProperty("PCaption").toDouble(), 1800.5);
    EXPECT_EQ(back.ReadProperty("PGroupLengths").toString(), QStringLiteral("1,\"2\""));
    EXPECT_FALSE(back.ReadProperty("PShowSeparators").toBool());
    EXPECT_EQ(back.keys(), bag.keys());
    EXPECT_TRUE(PropertyBag::fromText(u"garbage\n= 3\nX = \n").isEmpty());
}

// Numbers keep the plain 15-digit text where it reads back exactly, and take all the digits
// they need where it would not: a saved bag loads with the values it had.
TEST(PropertyBag, KeepsEveryDigitANumberNeeds)
{
    PropertyBag bag;
    bag.WriteProperty("Third", 1.0 / 3.0);
    bag.WriteProperty("Sum", 0.1 + 0.2);
    bag.WriteProperty("Large", 888888888888888888.0);
    bag.WriteProperty("Largest", std::numeric_limits<double>::max());
    bag.WriteProperty("Plain", 1223.5);
    const QString text = bag.toText();
    EXPECT_TRUE(text.contains(u"Plain = 1223.5\n"));
    const PropertyBag back = PropertyBag::fromText(text);
    EXPECT_EQ(back, bag);
    EXPECT_EQ(back.ReadProperty("Third").toDouble(), 1.0 / 3.0);
    EXPECT_EQ(back.ReadProperty("Sum").toDouble(), 0.1 + 0.2);
    EXPECT_EQ(back.ReadProperty("Large").toDouble(), 888888888888888888.0);
    EXPECT_EQ(back.ReadProperty("Largest").toDouble(), std::numeric_limits<double>::max());
    EXPECT_EQ(PropertyBag::fromText(u"PCaption = 0.1\n").toText(), QStringLiteral("PCaption = 0.1\n"));
}

TEST(Registry, CreatesControlsAndRunsTheirPersistence)
{
    registerControl("Test.Probe", [](QWidget *parent) { return new Probe(parent); });
    QWidget host;
    auto *fresh = qobject_cast<Probe *>(createControl("test.PROBE", &host));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->Size(), 45);
    EXPECT_EQ(fresh->parent(), &host);

    PropertyBag bag;
    bag.WriteProperty("PSize", 90, 45);
    auto *loaded = qobject_cast<Probe *>(createControl("Test.Probe", &host, &bag));
    EXPECT_EQ(loaded->Size(), 90);
    PropertyBag saved;
    loaded->WriteProperties(saved);
    EXPECT_EQ(saved, bag);

    EXPECT_THROW(createControl("Nobody.Registered", &host), InvalidArgument);
}

TEST(Events, AKeyHandlerCanChangeTheKeyCodeForLaterHandlers)
{
    Probe probe;
    QList<int> seen;
    QObject::connect(&probe, &Control::KeyDown, [&](qint16 &code, qint16 &) {
        if (code == 16) // the Shift key itself
            return;
        seen << code;
        code = 0;
    });
    QObject::connect(&probe, &Control::KeyDown, [&](qint16 &code, qint16 &shift) {
        if (code != 16)
            seen << code << shift;
    });
    int presses = 0;
    QObject::connect(&probe, &Control::KeyPress, [&](qint16) { ++presses; });
    QTest::keyClick(&probe, Qt::Key_R, Qt::ShiftModifier);
    EXPECT_EQ(seen, (QList<int>{82, 0, 1}));
    EXPECT_EQ(presses, 0); // KeyCode set to 0: no KeyPress
}

TEST(Events, AFailingHandlerDoesNotEscapeTheEvent)
{
    Probe probe;
    int after = 0;
    QObject::connect(&probe, &Control::KeyDown, [](qint16 &, qint16 &) { throw OverflowError(); });
    QObject::connect(&probe, &Control::KeyUp, [&](qint16, qint16 &) { ++after; });
    QTest::keyClick(&probe, Qt::Key_5);
    EXPECT_EQ(after, 1);
}

TEST(Events, InnerWidgetsRaiseTheirControlsEvents)
{
    class Box : public Control {
    public:
        explicit Box(QWidget *parent = nullptr) : Control(parent), edit(new QLineEdit(this)) { forwardInputOf(edit); }
        QLineEdit *edit;
    } box;
    QList<int> downs;
    QObject::connect(&box, &Control::KeyDown, [&](qint16 &code, qint16 &) { downs << code; });
    QTest::keyClicks(box.edit, "ab");
    EXPECT_EQ(downs, (QList<int>{65, 66}));
    EXPECT_EQ(box.edit->text(), QStringLiteral("ab"));
}

TEST(Focus, ACompositeTakesTheFocusAsOne)
{
    QWidget window;
    Probe first(&window), composite(&window);
    first.makeFocusable();
    composite.makeComposite();
    Probe cellA(&composite), cellB(&composite);
    cellA.makeFocusable();
    cellB.makeFocusable();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first.SetFocus();
    int compositeGot = 0, cellGot = 0, compositeLost = 0;
    QObject::connect(&composite, &Control::GotFocus, [&] { ++compositeGot; });
    QObject::connect(&composite, &Control::LostFocus, [&] { ++compositeLost; });
    QObject::connect(&cellB, &Control::GotFocus, [&] { ++cellGot; });
    cellA.SetFocus();
    EXPECT_EQ(compositeGot, 1);
    cellB.SetFocus(); // moving inside the composite
    EXPECT_EQ(compositeGot, 1);
    EXPECT_EQ(cellGot, 1);
    first.SetFocus();
    EXPECT_EQ(compositeLost, 1);
}

} // namespace

#include "PlumbingTest.moc"
