#include "core/trade/values_to_find.h"

#include "core/screens/result_labels.h"
#include "core/trade/trade_tables.h"

#include <algorithm>

namespace tavelle {

std::vector<std::string_view> schematicValuesToFind(const ExerciseRecord& r)
{
    const std::array<const std::string*, 3> types{&r.nozzle1Type, &r.nozzle2Type, &r.nozzle3Type};
    std::vector<std::string_view> hidden{schematicLabels::totalFlow};
    const std::size_t inUse = std::min<std::size_t>(r.nozzleCount, types.size());
    for (std::size_t nozzle = 0; nozzle < inUse; ++nozzle) {
        const schematicLabels::Nozzle& labels = schematicLabels::nozzles[nozzle];
        hidden.push_back(labels.hoseDiameter);
        hidden.push_back(labels.pressure);
        const NozzleType* type = findNozzleType(*types[nozzle]);
        if (type != nullptr && type->fixedFlow) hidden.push_back(labels.flow);
    }
    return hidden;
}

}  // namespace tavelle
