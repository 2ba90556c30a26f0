// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// A bindings file on any bytes: it is taken whole or refused with at least one problem, each
// a line of its own. What is taken gives every key and every pad control to one command only,
// names all six command keys, and written out again reads back as the same file.

#include "fuzz/FuzzSupport.h"
#include "scoreboard/control/Bindings.h"

#include <set>

using namespace tallyard;
using tallyard::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tallyard::fuzz::ensureApplication();
    const QByteArray bytes = tallyard::fuzz::bytesOf(data, size);
    QStringList problems;
    const std::optional<ReadBindings> read = readBindingsFile(bytes, &problems);
    if (!read) {
        check(!problems.isEmpty(), "a refused file says why");
        for (const QString &problem : problems)
            check(!problem.contains(u'\n') && problem.size() < 400, "each problem is one short line");
        return 0;
    }
    check(problems.isEmpty(), "a file taken has no problem");
    const CommandKeys &k = read->commandKeys;
    std::set<qint16> keys;
    for (const qint16 code : {k.routine, k.fall, k.warmUp, k.reset, k.chime, k.clear}) {
        check(code > 0, "every command key is a key");
        check(keys.insert(code).second, "no key is two command keys");
    }
    std::set<QString> pads;
    for (const auto &[command, codes] : read->bindings.keys)
        for (const qint16 code : codes)
            check(keys.insert(code).second, "no key does two things");
    for (const auto &[command, controls] : read->bindings.pad)
        for (const QString &control : controls)
            check(pads.insert(control).second, "no pad control does two things");

    const QByteArray written = bindingsFile(read->commandKeys, read->bindings);
    QStringList again;
    const std::optional<ReadBindings> reread = readBindingsFile(written, &again);
    check(reread.has_value(), "a written file reads back");
    check(bindingsFile(reread->commandKeys, reread->bindings) == written, "and reads back the same");
    return 0;
}
