#include "tools/solve/answer_key.h"

#include "core/number_text.h"

#include <algorithm>
#include <array>

namespace tavelle {

namespace {

struct Group {
    std::string_view heading;
    std::array<std::string_view, 6> names;
};

// The schematic's labels, gathered by what they describe.
constexpr std::array<Group, 4> kSchematicGroups{{
    {"Pompe (C) et alimentation jusqu'à la division (B) :", {"Label1", "Label3", "Label2", "Label4", "Label15", "Label20"}},
    {"Lance 1 :", {"Label21", "Label8", "Label10", "Label9", "Label28", "Label11"}},
    {"Lance 2 :", {"Label22", "Label19", "Label17", "Label16", "Label30", "Label18"}},
    {"Lance 3 :", {"Label23", "Label24", "Label26", "Label25", "Label29", "Label27"}},
}};

constexpr std::array<std::array<std::string_view, 5>, 3> kBranchLabels{{
    {"Label15", "Label2", "Label3", "Label4", "Label5"},
    {"Label16", "Label6", "Label7", "Label8", "Label9"},
    {"Label17", "Label10", "Label11", "Label12", "Label13"},
}};

void appendLine(std::string& out, const std::string* text, std::string_view indent = "  ")
{
    if (text && !text->empty()) {
        out += indent;
        out += *text;
        out += '\n';
    }
}

void appendSchematic(std::string& out, const std::vector<ControlState>& controls)
{
    out += "Schéma de l'établissement :\n";
    for (const Group& group : kSchematicGroups) {
        std::string lines;
        for (std::string_view name : group.names) {
            const auto control = std::find_if(controls.begin(), controls.end(),
                                              [&](const ControlState& c) { return c.name == name; });
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

void appendPortionAb(std::string& out, const LabelTexts& labels)
{
    out += "Calcul de la portion AB :\n";
    appendLine(out, findText(labels, "Label1"));
    for (std::size_t nozzle = 0; nozzle < kBranchLabels.size(); ++nozzle) {
        const auto& names = kBranchLabels[nozzle];
        if (const std::string* pressure = findText(labels, names[0]); !pressure || pressure->empty()) continue;
        out += "  Lance " + numberText(nozzle + 1) + " :\n";
        for (std::string_view name : names) appendLine(out, findText(labels, name), "    ");
    }
    appendLine(out, findText(labels, "Label14"));
}

void appendFinal(std::string& out, const LabelTexts& labels)
{
    out += "Calculs final :\n";
    out += "  Portion BC, entre la pompe et la division :\n";
    for (std::string_view name : {"Label2", "Label3", "Label4", "Label5"}) appendLine(out, findText(labels, name), "    ");
    out += "  Pression à la pompe :\n";
    for (std::string_view name : {"Label10", "Label1", "Label6", "Label7", "Label8"})
        appendLine(out, findText(labels, name), "    ");
    appendLine(out, findText(labels, "Label9"));
}

}  // namespace

std::string answerKey(const WalkResult& walk, std::size_t exerciseNumber)
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
    return out;
}

}  // namespace tavelle
