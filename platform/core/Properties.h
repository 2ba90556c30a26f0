#pragma once
// Late-bound access to controls: properties by name (case-insensitive), members by their
// dispatch identifiers, and the control's type name. Generic procedures use these and
// never cast to concrete classes.
//
// A class declares its dispatch identifiers once, next to its Q_PROPERTY lines:
//     Q_CLASSINFO("DispId TimeSec", "0x68030002")
//     Q_CLASSINFO("EventId Click", "1")
// and its type name with Q_CLASSINFO("TypeName", "TimeKeeper").

#include "platform/Values.h"

#include <QObject>
#include <QVariant>

#include <functional>

namespace tallyard {

// The old runtime's conversions of a value to the types of its properties.
int16_t variantToInt16(const QVariant &value);
int32_t variantToInt32(const QVariant &value);
float variantToSingle(const QVariant &value);
double variantToDouble(const QVariant &value);
bool variantToBool(const QVariant &value);
QString variantToString(const QVariant &value);
Currency variantToCurrency(const QVariant &value);
// A value converted to the given property type; throws TypeMismatch or OverflowError.
QVariant convertVariant(const QVariant &value, QMetaType target);

// "TimeLED", "Label", ...: the TypeName class info, or the class name without namespace.
QString typeName(const QObject *object);

bool hasProperty(const QObject *object, QStringView name);
// Throws MemberNotFound when the object has no such property.
QVariant getProperty(const QObject *object, QStringView name);
// Converts the value to the property's type first; throws MemberNotFound, TypeMismatch,
// OverflowError, or whatever the property's own setter throws.
void setProperty(QObject *object, QStringView name, const QVariant &value);

enum class DispatchKind { PropertyGet, PropertyLet, Method };

// The dispatch identifier of a member (property or method) or event; throws MemberNotFound.
int32_t dispId(const QObject *object, QStringView memberName);
int32_t eventDispId(const QObject *object, QStringView eventName);
// The member name that carries a dispatch identifier; throws MemberNotFound.
QString memberName(const QObject *object, int32_t dispId);

// A call by dispatch identifier: read or write a property, or invoke a method (which takes
// no arguments and returns its result, an empty QVariant standing for Empty).
QVariant invoke(QObject *object, int32_t dispId, DispatchKind kind, const QVariant &value = {});
// The same by member name, case-insensitive.
QVariant invoke(QObject *object, QStringView name, DispatchKind kind, const QVariant &value = {});

// Connects a handler that takes no arguments to an event (a signal such as "Timer" or "Done";
// the event's own arguments are not passed on), found by name, case-insensitively; throws
// MemberNotFound when the object has no such
// event. The handler runs guarded: a failure in it never escapes into the event loop.
void connectEvent(QObject *source, QStringView eventName, QObject *context, std::function<void()> handler);

} // namespace tallyard

Q_DECLARE_METATYPE(tallyard::Currency)
