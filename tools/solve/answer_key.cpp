#include "tools/solve/answer_key.h"

#include "core/screens/result_labels.h"
#include "core/text/number_text.h"
#include "core/trade/pressure_line.h"

#include <algorithm>
#include <array>

namespace tavelle {

namespace {

struct Group {
    std::string_view heading;
    std::array<const char*, 6> names;
};

// The schematic's labels, gathered by what they describe.
constexpr Group nozzleGroup(std::string_view heading, const schematicLabels::Nozzle& nozzle)
{
    return {heading,
            {nozzle.type, nozzle.pressure, nozzle.flow, nozzle.hoseLength, nozzle.hoseDiameter, nozzle.height}};
}

constexpr std::array<Group, 4> kSchematicGroups{{
    {"Pompe (C) et alimentation jusqu'à la division (B) :",
     {schematicLabels::pumpRating, schematicLabels::feedDiameter, schematicLabels::feedLength,
      schematicLabels::totalFlow, schematicLabels::feedSlope, schematicLabels::divisionElevation}},
    nozzleGroup("Lance 1 :", schematicLabels::nozzles[0]),
    nozzleGroup("Lance 2 :", schematicLabels::nozzles[1]),
    nozzleGroup("Lance 3 :", schematicLabels::nozzles[2]),
}};

void appendLine(std::string& out, const std::string* text, std::string_view indent = "  ")
{
    if (text && !text->empty()) {
        out += indent;
        out += *text;
        out += '\n';
    }
}

void appendSchematic(std::string& out, const ScreenLoad& controls)
{
    out += "Schéma de l'établissement :\n";
    for (const Group& group : kSchematicGroups) {
        std::string lines;
        for (std::string_view name : group.names) {
            const auto control =
                std::find_if(controls.begin(), controls.end(), [&](const ControlState& c) { return c.name == name; });
            if (control != controls.end() && control->visible && !control->text.empty())
                lines += "    " + control->text + "\n";
        }
        if (lines.empty()) continue;
        out += "  ";
        out += group.heading;
        out += '\n';
        out += lines;
    }
}

void appendPortionAb(std::string& out, const ScreenLoad& labels)
{
    out += "Calcul de la portion AB :\n";
    appendLine(out, findText(labels, portionAbLabels::heading));
    for (std::size_t nozzle = 0; nozzle < portionAbLabels::branches.size(); ++nozzle) {
        const portionAbLabels::Branch& branch = portionAbLabels::branches[nozzle];
        if (const std::string* pressure = findText(labels, branch.orificePressure); !pressure || pressure->empty())
            continue;
        out += "  Lance " + numberText(nozzle + 1) + " :\n";
        for (const char* name : branch.lines()) appendLine(out, findText(labels, name), "    ");
    }
    appendLine(out, findText(labels, portionAbLabels::worstNozzle));
}

void appendFinal(std::string& out, const ScreenLoad& labels)
{
    out += "Calculs final :\n";
    out += "  Portion BC, entre la pompe et la division :\n";
    for (const char* name : finalLabels::feedLine) appendLine(out, findText(labels, name), "    ");
    out += "  Pression à la pompe :\n";
    for (const char* name : finalLabels::pumpPressureTerms) appendLine(out, findText(labels, name), "    ");
    appendLine(out, findText(labels, finalLabels::pumpVerdict));
}

// Numbers and losses right-aligned in their columns; the place, which may hold accents, last.
void appendPressureLine(std::string& out, const PressureLineTexts& line)
{
    const auto padded = [](const std::string& text, std::size_t width) {
        return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
    };
    out += line.title + " :\n";
    for (std::size_t i = 0; i < line.places.size(); ++i)
        out += padded(line.distances[i], 9) + padded(line.pressures[i], 12) + padded(line.losses[i], 20) + "   " +
               line.places[i] + '\n';
    appendLine(out, &line.pumpCanGive);
}

}  // namespace

std::string answerKey(const WalkResult& walk, std::size_t exerciseNumber, const ExerciseRecord& record,
                      std::string_view decimalSeparator)
{
    std::string out = "Exercice " + numberText(exerciseNumber);
    if (walk.accepted)
        out += " : corrigé\n\n";
    else
        out += " : saisie refusée sur l'écran " + std::string(screenName(*walk.refusedAt)) + "\n\n";

    if (walk.accepted) {
        out += "Données du problème :\n  " + walk.statement + "\n\n";
    }
    if (!walk.messages.empty()) {
        out += walk.accepted ? "Remarques de la saisie :\n" : "Messages de la saisie :\n";
        for (const auto& message : walk.messages)
            out += "  [" + std::string(screenName(message.screen)) + "] " + message.text + "\n";
        out += '\n';
    }
    if (!walk.accepted) return out;

    appendSchematic(out, walk.schematic);
    out += '\n';
    appendPortionAb(out, walk.portionAb);
    out += '\n';
    appendFinal(out, walk.finalCalculation);
    out += '\n';
    appendPressureLine(out, pressureLineTexts(pressureLine(record), decimalSeparator));
    return out;
}

}  // namespace tavelle
