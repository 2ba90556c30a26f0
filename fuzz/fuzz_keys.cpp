// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

// The Options dialog's key assignment fed random sequences of clicks on key labels and keys
// pressed during a capture. Each input byte is one step: below 0x20 a click on key label
// (byte mod count); 0xFF the capture abandoned (the focus left); 0xFE a 16-bit key code from
// the next two bytes; anything else that key code. After every step no two commands share a
// key, every command holds a key its label can name, and the labels show what they hold
// (the capturing one shows its prompt).

#include "fuzz/FuzzSupport.h"
#include "platform/core/Properties.h"
#include "platform/core/Values.h"
#include "platform/forms/Control.h"
#include "platform/system/SettingsStore.h"
#include "scoreboard/Registration.h"
#include "scoreboard/forms/frmOptions.h"
#include "scoreboard/settings/Settings.h"

#include <QSet>
#include <QTemporaryDir>

using namespace tallyard;
using tallyard::fuzz::check;

namespace {

QList<Control *> keyLabelsOf(const frmOptions &dialog)
{
    QList<Control *> labels;
    for (Control *c : dialog.Controls())
        if (c->Name().startsWith(u"lblKey"))
            labels << c;
    return labels;
}

qint16 heldKey(const Control *label)
{
    return toInt16(numericValue(label->Tag()));
}

void checkAssignment(const frmOptions &dialog, const QList<Control *> &labels)
{
    QSet<qint16> held;
    for (Control *label : labels) {
        const qint16 key = heldKey(label);
        check(!held.contains(key), "no two commands share a key");
        held.insert(key);
        const QString name = frmOptions::KeyCodeToStr(key);
        check(!name.isEmpty(), "every command holds a key its label can name");
        const QString caption = variantToString(getPropertyByName(label, u"Caption"));
        if (label == dialog.ReturnKeyToObj)
            check(caption == u"<Press any key>" || caption == u"Choose another",
                  "the capturing label shows its prompt");
        else
            check(caption == name, "an idle label shows the key it holds");
    }
    check(!dialog.ReturnKeyToObj || labels.contains(dialog.ReturnKeyToObj), "only a key label captures");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    tallyard::fuzz::ensureApplication();
    static QTemporaryDir store;
    SettingsStore::setFolderOverride(store.path());
    registerProgramControls();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // What the previous input's dialog left to the event loop.
    tallyard::fuzz::deleteRemoved();
    resetSettingsToDefaults();
    frmOptions dialog;
    const QList<Control *> labels = keyLabelsOf(dialog);
    check(!labels.isEmpty(), "the dialog has its key labels");
    checkAssignment(dialog, labels);
    for (size_t i = 0; i < size; ++i) {
        const uint8_t step = data[i];
        if (step < 0x20) {
            dialog.ChooseKey(labels.at(step % labels.size()));
        } else if (step == 0xFF) {
            dialog.KeyChosen(-1);
        } else if (step == 0xFE) {
            if (i + 2 >= size)
                break;
            dialog.KeyChosen(static_cast<qint16>(data[i + 1] | (data[i + 2] << 8)));
            i += 2;
        } else {
            dialog.KeyChosen(static_cast<qint16>(step));
        }
        checkAssignment(dialog, labels);
    }
    return 0;
}
