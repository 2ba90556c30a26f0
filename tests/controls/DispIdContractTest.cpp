// The published dispatch ids, checked against the classes that carry them: each id names a
// real member of its class (a property or a method), by that id and by that name, and no
// two members of a class share an id.
#include "components/NumberLED.h"
#include "components/Ortagon.h"
#include "controls/Quellin.h"
#include "controls/TimeKeeper.h"
#include "controls/TimeLED.h"
#include "platform/core/Properties.h"
#include "platform/forms/ControlRegistry.h"

#include <QSet>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace tallyard;

namespace {

using IdList = std::vector<std::pair<const char *, int32_t>>;
#define ID_ROW(member, id) {#member, id},

struct Contract {
    const char *progId;
    IdList ids;
};

const Contract contracts[] = {
    {"Quellin.TimeKeeper", {QUELLIN_TIMEKEEPER_DISPIDS(ID_ROW)}},
    {"Quellin.TimeLED", {QUELLIN_TIMELED_DISPIDS(ID_ROW)}},
    {"Brenlite.NumberLED", {TALLYARD_NUMBERLED_DISPIDS(ID_ROW)}},
    {"prjOrtagon.Ortagon", {TALLYARD_ORTAGON_DISPIDS(ID_ROW)}},
};

TEST(DispIdContract, EveryPublishedIdReachesItsMember)
{
    quellin::registerControls();
    for (const Contract &contract : contracts) {
        SCOPED_TRACE(contract.progId);
        std::unique_ptr<Control> control(createControl(QString::fromLatin1(contract.progId), nullptr));
        const QMetaObject *meta = control->metaObject();
        QSet<int32_t> seen;
        for (const auto &[member, id] : contract.ids) {
            SCOPED_TRACE(member);
            const QString name = QString::fromLatin1(member);
            EXPECT_EQ(memberName(control.get(), id), name);
            EXPECT_EQ(dispId(control.get(), name), id);
            const bool isProperty = meta->indexOfProperty(member) >= 0;
            const bool isMethod = meta->indexOfMethod(QByteArray(member) + "()") >= 0;
            EXPECT_TRUE(isProperty || isMethod);
            EXPECT_FALSE(seen.contains(id));
            seen.insert(id);
        }
    }
}

} // namespace
