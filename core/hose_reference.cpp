#include "core/hose_reference.h"

#include <array>

namespace tavelle {

std::optional<HoseReference> nozzleHoseReference(std::string_view nozzleType)
{
    if (nozzleType == "40/14" || nozzleType == "LDV 500") return HoseReference{1.5f, 250.0f};
    if (nozzleType == "65/18" || nozzleType == "LDV 1000") return HoseReference{0.55f, 500.0f};
    if (nozzleType == "100/25") return HoseReference{0.28f, 1000.0f};
    return std::nullopt;
}

std::optional<FeedReference> feedHoseReference(std::int16_t feedDiameter)
{
    switch (feedDiameter) {
    case 45: return FeedReference{1.5, 250.0f};
    case 70: return FeedReference{0.55, 500.0f};
    case 110: return FeedReference{0.28, 1000.0f};
    default: return std::nullopt;
    }
}

std::optional<NozzleCharacteristics> nozzleCharacteristics(std::string_view nozzleType)
{
    if (nozzleType == "40/14") return NozzleCharacteristics{3.5f, 45};
    if (nozzleType == "65/18") return NozzleCharacteristics{5.7f, 70};
    if (nozzleType == "100/25") return NozzleCharacteristics{6.1f, 110};
    if (nozzleType == "LDV 500") return NozzleCharacteristics{6.0f, 45};
    if (nozzleType == "LDV 1000") return NozzleCharacteristics{6.0f, 70};
    return std::nullopt;
}

std::optional<float> pumpRatedProduct(std::string_view pumpRating)
{
    struct Rating {
        std::string_view text;
        std::int16_t flow;
        std::int16_t pressure;
    };
    static constexpr std::array<Rating, 6> ratings{{{"1000/10", 1000, 10},
                                                     {"1000/15", 1000, 15},
                                                     {"1500/10", 1500, 10},
                                                     {"1500/15", 1500, 15},
                                                     {"2000/10", 2000, 10},
                                                     {"2000/15", 2000, 15}}};
    for (const auto& rating : ratings)
        if (rating.text == pumpRating)
            return static_cast<float>(static_cast<std::int16_t>(rating.flow * rating.pressure));
    return std::nullopt;
}

}  // namespace tavelle
