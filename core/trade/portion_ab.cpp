#include "core/trade/portion_ab.h"

#include "core/screens/load_writer.h"
#include "core/screens/result_labels.h"
#include "core/text/joined_text.h"
#include "core/trade/slope_term.h"
#include "core/trade/trade_tables.h"

#include <array>
#include <cstddef>

namespace tavelle {

namespace {

struct BranchInput {
    const std::string& type;
    float flow;
    float pressure;
    std::uint8_t hoseCount;
};

// Writes the height line and returns the quotient before rounding, as that line shows it.
double writeHeightTerm(std::string& line, int nozzle, const ExerciseRecord& r, std::string_view sep)
{
    double exact = 0;
    if (nozzle == 1 && r.nozzle1Height != 0) {
        exact = r.nozzle1Height * (1.0 / 10.0);
        appendJoined(line, "J hauteur = 1 bar / 10 m x ", numberChars(r.nozzle1Height), " = ", numberChars(exact, sep),
                     "b");
    } else if (nozzle == 2 && r.nozzle2Elevation != r.divisionElevation) {
        const auto difference = static_cast<std::int16_t>(r.nozzle2Elevation - r.divisionElevation);
        exact = difference / 10.0;
        appendJoined(line, "J hauteur = (", numberChars(r.nozzle2Elevation), " - ", numberChars(r.divisionElevation),
                     ") x 1 bar / 10 m  = ", numberChars(exact, sep), "b");
    } else if (nozzle == 3 && r.nozzle3SlopePercent != 0) {
        exact = appendSlopeLine(line, "J hauteur", r.nozzle3SlopePercent, r.nozzle3HoseCount * hoseLengthMetres, sep);
    }
    return exact;
}

void writeTotalLine(std::string& line, int nozzle, float lengthLoss, float heightLoss, float pressure, float total,
                    std::string_view sep)
{
    // A negative height term's own minus sign reads as the operator, but for the first nozzle's.
    const bool heightShown = heightLoss > 0 || heightLoss < 0;
    const NumberChars height = heightShown ? numberChars(heightLoss, sep) : NumberChars{};
    const std::string_view heightOperator = heightShown && (heightLoss > 0 || nozzle == 1) ? " + " : "";
    appendJoined(line, "Perte de charge totale de la lance ", numberChars(nozzle), " = ", numberChars(lengthLoss, sep),
                 heightOperator, height, " + ", numberChars(pressure, sep),
                 (nozzle == 2 && heightLoss == 0) ? " =" : " = ", numberChars(total, sep), "Bar");
}

// Nozzles are numbered from 1; their branches are kept from 0.
std::size_t slot(int nozzle)
{
    return static_cast<std::size_t>(nozzle - 1);
}

// Works out one branch in use and appends its five labels; returns its total.
float computeBranch(int nozzle, const BranchInput& in, const ExerciseRecord& r, std::string_view sep, LoadWriter& out)
{
    const portionAbLabels::Branch& labels = portionAbLabels::branches[slot(nozzle)];
    // A type outside the table cannot pass the nozzle screens; its hoses then count as lossless. A nozzle's
    // hose keeps J1 in single precision.
    constexpr Hose lossless{0, 0.0, 0.0f};
    const Hose* found = nozzleHose(in.type);
    const Hose& hose = found == nullptr ? lossless : *found;
    const auto j1 = static_cast<float>(hose.j1);
    const float refQ1 = hose.q1;

    const float q2 = static_cast<float>(in.flow / 100.0);
    const float q1 = static_cast<float>(refQ1 / 100.0);
    const float j2 =
        q1 == 0 ? 0.0f : static_cast<float>(static_cast<double>(q2) * q2 * j1 / (static_cast<double>(q1) * q1));

    appendJoined(out.label(labels.orificePressure), "Pression à l'orifice = ", numberChars(in.pressure, sep), " b");
    std::string& j2Line = out.label(labels.j2Line);
    if (refQ1 != in.flow)
        appendJoined(j2Line, "J2 = J1 x (Q2²/Q1²) = ", numberChars(j1, sep), " x (", numberChars(in.flow, sep), "² / ",
                     numberChars(refQ1, sep), "²) =", numberChars(j2, sep), " b/hm");

    const auto length = static_cast<std::int16_t>(in.hoseCount * hoseLengthMetres);
    const float lengthLoss = static_cast<float>(j2 / 100.0 * length);
    appendJoined(out.label(labels.hoseLossLine), "J =", numberChars(j2, sep), "/ 100 x ", numberChars(length), " = ",
                 numberChars(lengthLoss, sep), "b");

    const auto heightLoss = static_cast<float>(writeHeightTerm(out.label(labels.heightLine), nozzle, r, sep));

    const float total = static_cast<float>((static_cast<double>(heightLoss) + lengthLoss) + in.pressure);
    writeTotalLine(out.label(labels.branchTotal), nozzle, lengthLoss, heightLoss, in.pressure, total, sep);
    return total;
}

// Loads the screen and returns the nozzle it chose, numbered from 1.
int workOutPortionAb(ExerciseRecord& r, std::string_view sep, ScreenLoad& into)
{
    into.reserve(17);
    LoadWriter out(into);
    out.label(portionAbLabels::heading) = r.nozzleCount == 1
                                              ? "Détermination des pertes de charge entre la lance 1 et la division :"
                                              : "Détermination de la lance la plus défavorable :";

    const std::array<BranchInput, 3> branches{{
        {r.nozzle1Type, r.nozzle1Flow, r.nozzle1Pressure, r.nozzle1HoseCount},
        {r.nozzle2Type, r.nozzle2Flow, r.nozzle2Pressure, r.nozzle2HoseCount},
        {r.nozzle3Type, r.nozzle3Flow, r.nozzle3Pressure, r.nozzle3HoseCount},
    }};
    std::array<float, 3> totals{};
    for (int nozzle = 1; nozzle <= 3; ++nozzle) {
        if (nozzle <= r.nozzleCount) {
            totals[slot(nozzle)] = computeBranch(nozzle, branches[slot(nozzle)], r, sep, out);
        } else {
            for (const char* name : portionAbLabels::branches[slot(nozzle)].lines()) out.label(name);
        }
    }

    // Strict comparisons in this order settle ties: 1 before 2, 2 before 3, 3 before 1.
    int chosen = 1;
    const bool second = r.nozzleCount >= 2;
    const bool third = r.nozzleCount >= 3;
    if (second && totals[0] < totals[1]) chosen = 2;
    if (third && totals[1] < totals[2]) chosen = 3;
    if (third && totals[2] < totals[0] && totals[1] < totals[2]) chosen = 1;

    r.worstNozzleLoss = totals[slot(chosen)];
    r.worstNozzlePressure = branches[slot(chosen)].pressure;

    std::string& verdict = out.label(portionAbLabels::worstNozzle);
    if (r.nozzleCount != 1)
        appendJoined(verdict, "Nous tiendrons compte de la lance n°", numberChars(chosen),
                     " comme étant la plus défavorable avec une perte de charge de ",
                     numberChars(r.worstNozzleLoss, sep), " b.");
    return chosen;
}

}  // namespace

void loadPortionAb(ExerciseRecord& r, std::string_view sep, ScreenLoad& into)
{
    workOutPortionAb(r, sep, into);
}

WorstNozzle worstNozzle(const ExerciseRecord& record)
{
    ExerciseRecord worked = record;
    ScreenLoad scratch;
    const int chosen = workOutPortionAb(worked, ",", scratch);
    return {chosen, worked.worstNozzleLoss, worked.worstNozzlePressure};
}

}  // namespace tavelle
