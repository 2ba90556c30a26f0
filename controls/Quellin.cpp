#include "controls/Quellin.h"

#include "components/NumberLED.h"
#include "components/Ortagon.h"
#include "controls/TimeKeeper.h"
#include "controls/TimeLED.h"
#include "platform/ControlRegistry.h"

namespace quellin {

void registerControls()
{
    qRegisterMetaType<tallyard::Currency>();
    tallyard::registerControl(QStringLiteral("Quellin.TimeKeeper"), [](QWidget *parent) { return new TimeKeeper(parent); });
    tallyard::registerControl(QStringLiteral("Brenlite.NumberLED"), [](QWidget *parent) { return new tallyard::NumberLED(parent); });
    tallyard::registerControl(QStringLiteral("prjOrtagon.Ortagon"), [](QWidget *parent) { return new tallyard::Ortagon(parent); });
    tallyard::registerControl(QStringLiteral("Quellin.TimeLED"), [](QWidget *parent) { return new TimeLED(parent); });
}

} // namespace quellin
