#pragma once

#include <array>

namespace tavelle {

// Which control of each result screen shows which result. The control names are the screens' design; the
// loads, the screens, the answer key and the tests meet on the meanings given here.

namespace statementLabels {
inline constexpr char statement[] = "Label2";
}  // namespace statementLabels

namespace schematicLabels {

inline constexpr char pumpRating[] = "Label1";
inline constexpr char feedLength[] = "Label2";
inline constexpr char feedDiameter[] = "Label3";
inline constexpr char totalFlow[] = "Label4";
inline constexpr char feedSlope[] = "Label15";
inline constexpr char divisionElevation[] = "Label20";

// One nozzle's branch on the drawing. Nozzle 2's height is its elevation; nozzle 3's is its slope.
struct Nozzle {
    const char* type;
    const char* pressure;
    const char* flow;
    const char* hoseLength;
    const char* hoseDiameter;
    const char* height;
    const char* caption;  // "Lance 1", "Lance 2", "Lance 3"
    const char* hoseLine;
    const char* nozzleLine;
};

inline constexpr std::array<Nozzle, 3> nozzles{{
    {"Label21", "Label8", "Label10", "Label9", "Label28", "Label11", "Label7", "Line2", "Line9"},
    {"Label22", "Label19", "Label17", "Label16", "Label30", "Label18", "Label12", "Line4", "Line8"},
    {"Label23", "Label24", "Label26", "Label25", "Label29", "Label27", "Label13", "Line3", "Line5"},
}};

}  // namespace schematicLabels

namespace portionAbLabels {

inline constexpr char heading[] = "Label1";

// One nozzle's branch, its lines in the order the load sets them.
struct Branch {
    const char* orificePressure;
    const char* j2Line;
    const char* hoseLossLine;
    const char* heightLine;
    const char* branchTotal;
    std::array<const char*, 5> lines() const
    {
        return {orificePressure, j2Line, hoseLossLine, heightLine, branchTotal};
    }
};

inline constexpr std::array<Branch, 3> branches{{
    {"Label15", "Label2", "Label3", "Label4", "Label5"},
    {"Label16", "Label6", "Label7", "Label8", "Label9"},
    {"Label17", "Label10", "Label11", "Label12", "Label13"},
}};

// The most unfavourable nozzle.
inline constexpr char worstNozzle[] = "Label14";

}  // namespace portionAbLabels

namespace finalLabels {

// Portion BC, from the pump to the division.
inline constexpr char j2Line[] = "Label2";
inline constexpr char lengthLossLine[] = "Label3";
inline constexpr char slopeLossLine[] = "Label4";
inline constexpr char bcTotal[] = "Label5";
inline constexpr std::array<const char*, 4> feedLine{j2Line, lengthLossLine, slopeLossLine, bcTotal};

// The pressure at the pump and its terms.
inline constexpr char orificePressure[] = "Label10";
inline constexpr char jab[] = "Label1";
inline constexpr char js[] = "Label6";
inline constexpr char jbc[] = "Label7";
inline constexpr char pumpPressure[] = "Label8";
inline constexpr std::array<const char*, 5> pumpPressureTerms{orificePressure, jab, js, jbc, pumpPressure};

inline constexpr char pumpVerdict[] = "Label9";

}  // namespace finalLabels

}  // namespace tavelle
