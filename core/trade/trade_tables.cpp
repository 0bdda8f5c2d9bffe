#include "core/trade/trade_tables.h"

#include <algorithm>

namespace tavelle {

namespace {

template <typename Table, typename Key, typename Field>
auto findRow(const Table& table, const Key& key, Field field) -> decltype(table.data())
{
    const auto found = std::ranges::find(table, key, field);
    return found == table.end() ? nullptr : &*found;
}

}  // namespace

const Hose* findHose(std::int16_t diameter)
{
    return findRow(hoses, diameter, &Hose::diameter);
}

const NozzleType* findNozzleType(std::string_view name)
{
    return findRow(nozzleTypes, name, &NozzleType::name);
}

const PumpRating* findPumpRating(std::string_view name)
{
    return findRow(pumpRatings, name, &PumpRating::name);
}

const Hose* nozzleHose(std::string_view nozzleType)
{
    const NozzleType* type = findNozzleType(nozzleType);
    return type == nullptr ? nullptr : findHose(type->hoseDiameter);
}

}  // namespace tavelle
