#include "controls/Quellin.h"

#include "controls/TimeKeeper.h"
#include "platform/ControlRegistry.h"

namespace quellin {

void registerControls()
{
    qRegisterMetaType<tallyard::Currency>();
    tallyard::registerControl(QStringLiteral("Quellin.TimeKeeper"), [](QWidget *parent) { return new TimeKeeper(parent); });
}

} // namespace quellin
