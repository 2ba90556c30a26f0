// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Late-bound access to controls: properties by name (case-insensitive), members by their
// dispatch identifiers, and the control's type name. Generic procedures use these and
// never cast to concrete classes.
//
// A class declares its dispatch identifiers once, next to its Q_PROPERTY lines:
//     Q_CLASSINFO("DispId TimeSec", "0x68030002")
//     Q_CLASSINFO("EventId Click", "1")
// and its type name with Q_CLASSINFO("TypeName", "TimeKeeper"). A library that publishes
// its ids keeps them in one list per class, X(member, id), and expands it twice: into the
// class with TALLYARD_DISPID_CLASSINFO, and into constants for hosts with
// TALLYARD_DISPID_CONSTANT.

#include "tallyard_core_export.h"
#include "platform/core/Values.h"

#include <QObject>
#include <QVariant>

#include <functional>

#define TALLYARD_DISPID_CLASSINFO(member, id) Q_CLASSINFO("DispId " #member, #id)
#define TALLYARD_DISPID_CONSTANT(member, id) inline constexpr int32_t member = id;

namespace tallyard {

// The old runtime's conversions of a value to the types of its properties.
TALLYARD_CORE_EXPORT int16_t variantToInt16(const QVariant &value);
TALLYARD_CORE_EXPORT int32_t variantToInt32(const QVariant &value);
TALLYARD_CORE_EXPORT float variantToSingle(const QVariant &value);
TALLYARD_CORE_EXPORT double variantToDouble(const QVariant &value);
TALLYARD_CORE_EXPORT bool variantToBool(const QVariant &value);
TALLYARD_CORE_EXPORT QString variantToString(const QVariant &value);
TALLYARD_CORE_EXPORT Currency variantToCurrency(const QVariant &value);
// A value converted to the given property type; throws TypeMismatch or OverflowError.
TALLYARD_CORE_EXPORT QVariant convertVariant(const QVariant &value, QMetaType target);

// "TimeLED", "Label", ...: the TypeName class info, or the class name without namespace.
TALLYARD_CORE_EXPORT QString typeName(const QObject *object);

TALLYARD_CORE_EXPORT bool hasProperty(const QObject *object, QStringView name);
// Throws MemberNotFound when the object has no such property.
TALLYARD_CORE_EXPORT QVariant getPropertyByName(const QObject *object, QStringView name);
// Converts the value to the property's type first; throws MemberNotFound, TypeMismatch,
// OverflowError, or whatever the property's own setter throws.
TALLYARD_CORE_EXPORT void setPropertyByName(QObject *object, QStringView name, const QVariant &value);

enum class DispatchKind { PropertyGet, PropertyLet, Method };

// The dispatch identifier of a member (property or method) or event; throws MemberNotFound.
TALLYARD_CORE_EXPORT int32_t dispId(const QObject *object, QStringView memberName);
TALLYARD_CORE_EXPORT int32_t eventDispId(const QObject *object, QStringView eventName);
// The member name that carries a dispatch identifier; throws MemberNotFound.
TALLYARD_CORE_EXPORT QString memberName(const QObject *object, int32_t dispId);

// A call by dispatch identifier: read or write a property, or invoke a method (which takes
// no arguments and returns its result, an empty QVariant standing for Empty).
TALLYARD_CORE_EXPORT QVariant invoke(QObject *object, int32_t dispId, DispatchKind kind, const QVariant &value = {});
// The same by member name, case-insensitive.
TALLYARD_CORE_EXPORT QVariant invoke(QObject *object, QStringView name, DispatchKind kind, const QVariant &value = {});

// Connects a handler that takes no arguments to an event (a signal such as "Timer" or "Done";
// the event's own arguments are not passed on), found by name, case-insensitively; throws
// MemberNotFound when the object has no such
// event. The handler runs guarded: a failure in it never escapes into the event loop.
TALLYARD_CORE_EXPORT void connectEvent(QObject *source, QStringView eventName, QObject *context,
                                       std::function<void()> handler);

} // namespace tallyard
