// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/core/Properties.h"

#include "platform/core/Guard.h"

#include <QHash>
#include <QMetaClassInfo>
#include <QMetaMethod>
#include <QMetaProperty>

namespace tallyard {

namespace {

bool isNumericType(int id)
{
    switch (id) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

// The number a variant stands for, as the old runtime's numeric conversions saw it.
double toNumber(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return 0.0;
    const QMetaType type = value.metaType();
    if (type.id() == QMetaType::Bool)
        return value.toBool() ? -1.0 : 0.0;
    if (type == QMetaType::fromType<Currency>())
        return value.value<Currency>().toDouble();
    if (isNumericType(type.id()) || (type.flags() & QMetaType::IsEnumeration))
        return value.toDouble();
    if (type.id() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(u"True", Qt::CaseInsensitive) == 0)
            return -1.0;
        if (text.compare(u"False", Qt::CaseInsensitive) == 0)
            return 0.0;
        double number = 0.0;
        if (!parseNumber(text, number))
            throw TypeMismatch();
        return number;
    }
    throw TypeMismatch();
}

int searchProperty(const QMetaObject *meta, QStringView name)
{
    // From the most derived class down, so a control's own "Visible" wins over QWidget's.
    for (int i = meta->propertyCount() - 1; i >= 0; --i) {
        if (name.compare(QLatin1StringView(meta->property(i).name()), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// The board reads and writes the same few properties twenty times a second; a class's
// answer for a name is remembered (everything runs on the user-interface thread).
int findProperty(const QMetaObject *meta, QStringView name)
{
    static QHash<const QMetaObject *, QHash<QString, int>> known;
    QHash<QString, int> &names = known[meta];
    const QString key = name.toString();
    const auto it = names.constFind(key);
    if (it != names.constEnd())
        return *it;
    const int index = searchProperty(meta, name);
    names.insert(key, index);
    return index;
}

int findMethod(const QMetaObject *meta, QStringView name)
{
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() != QMetaMethod::Method && method.methodType() != QMetaMethod::Slot)
            continue;
        if (name.compare(QLatin1StringView(method.name()), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// Looks through the "<prefix> <member>" class infos of the object's class and its bases.
template <typename Match>
bool findClassInfo(const QObject *object, QLatin1StringView prefix, Match match)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = meta->classInfoCount() - 1; i >= 0; --i) {
        const QMetaClassInfo info = meta->classInfo(i);
        const QLatin1StringView key(info.name());
        if (key.size() > prefix.size() && key.startsWith(prefix) && key[prefix.size()] == u' ') {
            if (match(key.mid(prefix.size() + 1), QLatin1StringView(info.value())))
                return true;
        }
    }
    return false;
}

int32_t parseId(QLatin1StringView text)
{
    bool ok = false;
    const qlonglong id = QString(text).toLongLong(&ok, 0);
    return ok ? static_cast<int32_t>(id) : 0;
}

int32_t lookUpId(const QObject *object, QLatin1StringView prefix, QStringView name)
{
    int32_t id = 0;
    const bool found = findClassInfo(object, prefix, [&](QLatin1StringView member, QLatin1StringView value) {
        if (name.compare(member, Qt::CaseInsensitive) != 0)
            return false;
        id = parseId(value);
        return true;
    });
    if (!found)
        throw MemberNotFound();
    return id;
}

} // namespace

int16_t variantToInt16(const QVariant &value)
{
    return toInt16(toNumber(value));
}

int32_t variantToInt32(const QVariant &value)
{
    return toInt32(toNumber(value));
}

float variantToSingle(const QVariant &value)
{
    return toSingle(toNumber(value));
}

double variantToDouble(const QVariant &value)
{
    return toNumber(value);
}

bool variantToBool(const QVariant &value)
{
    return toNumber(value) != 0.0;
}

Currency variantToCurrency(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>();
    return Currency::fromDouble(toNumber(value));
}

QString variantToString(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    const QMetaType type = value.metaType();
    switch (type.id()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
        return numberToText(value.toDouble());
    case QMetaType::Float:
        return singleToText(value.toFloat());
    case QMetaType::QString:
        return value.toString();
    default:
        break;
    }
    if (type == QMetaType::fromType<Currency>())
        return value.value<Currency>().toString();
    if (isNumericType(type.id()) || (type.flags() & QMetaType::IsEnumeration))
        return QString::number(value.toLongLong());
    if (value.canConvert<QString>())
        return value.toString();
    throw TypeMismatch();
}

QVariant convertVariant(const QVariant &value, QMetaType target)
{
    if (target.flags() & QMetaType::IsEnumeration) {
        const int32_t number = variantToInt32(value);
        return QVariant(target, &number);
    }
    if (target == QMetaType::fromType<Currency>())
        return QVariant::fromValue(variantToCurrency(value));
    switch (target.id()) {
    case QMetaType::Short:
        return QVariant::fromValue(variantToInt16(value));
    case QMetaType::Int:
        return QVariant::fromValue(variantToInt32(value));
    case QMetaType::Float:
        return QVariant::fromValue(variantToSingle(value));
    case QMetaType::Double:
        return QVariant::fromValue(variantToDouble(value));
    case QMetaType::Bool:
        return QVariant::fromValue(variantToBool(value));
    case QMetaType::QString:
        return QVariant::fromValue(variantToString(value));
    case QMetaType::QVariant:
        return value;
    default:
        break;
    }
    QVariant converted = value;
    if (!converted.convert(target))
        throw TypeMismatch();
    return converted;
}

QString typeName(const QObject *object)
{
    if (!object)
        return QString();
    const QMetaObject *meta = object->metaObject();
    const int index = meta->indexOfClassInfo("TypeName");
    if (index >= 0)
        return QString::fromLatin1(meta->classInfo(index).value());
    QString name = QString::fromLatin1(meta->className());
    const qsizetype colon = name.lastIndexOf(u':');
    return colon >= 0 ? name.mid(colon + 1) : name;
}

bool hasProperty(const QObject *object, QStringView name)
{
    return object && findProperty(object->metaObject(), name) >= 0;
}

QVariant getPropertyByName(const QObject *object, QStringView name)
{
    if (!object)
        throw MemberNotFound();
    const int index = findProperty(object->metaObject(), name);
    if (index < 0)
        throw MemberNotFound();
    return object->metaObject()->property(index).read(object);
}

void setPropertyByName(QObject *object, QStringView name, const QVariant &value)
{
    if (!object)
        throw MemberNotFound();
    const int index = findProperty(object->metaObject(), name);
    if (index < 0)
        throw MemberNotFound();
    const QMetaProperty property = object->metaObject()->property(index);
    if (!property.isWritable())
        throw MemberNotFound();
    const QVariant converted = convertVariant(value, property.metaType());
    property.write(object, converted);
}

int32_t dispId(const QObject *object, QStringView memberName)
{
    if (!object)
        throw MemberNotFound();
    return lookUpId(object, QLatin1StringView("DispId"), memberName);
}

int32_t eventDispId(const QObject *object, QStringView eventName)
{
    if (!object)
        throw MemberNotFound();
    return lookUpId(object, QLatin1StringView("EventId"), eventName);
}

QString memberName(const QObject *object, int32_t id)
{
    static QHash<const QMetaObject *, QHash<int32_t, QString>> known;
    if (object) {
        const auto cls = known.constFind(object->metaObject());
        if (cls != known.constEnd()) {
            const auto it = cls->constFind(id);
            if (it != cls->constEnd())
                return *it;
        }
    }
    QString name;
    if (object) {
        findClassInfo(object, QLatin1StringView("DispId"), [&](QLatin1StringView member, QLatin1StringView value) {
            if (parseId(value) != id)
                return false;
            name = member;
            return true;
        });
    }
    if (name.isEmpty())
        throw MemberNotFound();
    known[object->metaObject()].insert(id, name);
    return name;
}

QVariant invoke(QObject *object, int32_t id, DispatchKind kind, const QVariant &value)
{
    return invoke(object, memberName(object, id), kind, value);
}

QVariant invoke(QObject *object, QStringView name, DispatchKind kind, const QVariant &value)
{
    if (!object)
        throw MemberNotFound();
    switch (kind) {
    case DispatchKind::PropertyGet:
        return getPropertyByName(object, name);
    case DispatchKind::PropertyLet:
        setPropertyByName(object, name, value);
        return QVariant();
    case DispatchKind::Method:
        break;
    }
    const int index = findMethod(object->metaObject(), name);
    if (index < 0)
        throw MemberNotFound();
    const QMetaMethod method = object->metaObject()->method(index);
    if (method.parameterCount() != 0)
        throw InvalidArgument();
    QVariant result;
    if (method.returnMetaType() == QMetaType::fromType<QVariant>())
        method.invoke(object, Qt::DirectConnection, Q_RETURN_ARG(QVariant, result));
    else
        method.invoke(object, Qt::DirectConnection);
    return result;
}

namespace {

// Carries a parameterless signal to a handler; lives as long as the context.
class EventRelay : public QObject {
    Q_OBJECT
public:
    EventRelay(std::function<void()> handler, QObject *context) : QObject(context), m_handler(std::move(handler)) { }
public slots:
    void fire() { runGuarded("event", m_handler); }

private:
    std::function<void()> m_handler;
};

} // namespace

void connectEvent(QObject *source, QStringView eventName, QObject *context, std::function<void()> handler)
{
    const QMetaObject *meta = source->metaObject();
    for (int i = meta->methodCount() - 1; i >= 0; --i) {
        const QMetaMethod signal = meta->method(i);
        if (signal.methodType() != QMetaMethod::Signal
            || eventName.compare(QLatin1StringView(signal.name()), Qt::CaseInsensitive) != 0)
            continue;
        auto *relay = new EventRelay(std::move(handler), context);
        QObject::connect(source, signal, relay,
                         relay->metaObject()->method(relay->metaObject()->indexOfSlot("fire()")));
        return;
    }
    throw MemberNotFound();
}

} // namespace tallyard

#include "Properties.moc"
