#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavelle {

// Loss per 100 m of hose (J1, "b/hm") at the reference flow Q1 (L/min).
struct HoseReference {
    float j1;
    float q1;
};

// Reference values of a nozzle's hose, by nozzle type; none for an unknown type.
std::optional<HoseReference> nozzleHoseReference(std::string_view nozzleType);

// Reference values of the feed line, by its diameter; J1 is kept in double precision there.
struct FeedReference {
    double j1;
    float q1;
};
std::optional<FeedReference> feedHoseReference(std::int16_t feedDiameter);

// Orifice pressure and hose diameter that a nozzle type implies.
struct NozzleCharacteristics {
    float pressure;
    std::uint8_t hoseDiameter;
};
std::optional<NozzleCharacteristics> nozzleCharacteristics(std::string_view nozzleType);

// Rated flow × rated pressure of a pump rating, as the single-precision rated product.
std::optional<float> pumpRatedProduct(std::string_view pumpRating);

inline constexpr int hoseLengthMetres = 20;

}  // namespace tavelle
