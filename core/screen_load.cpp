#include "core/screen_load.h"

#include "core/portion_ab.h"
#include "core/portion_bc.h"
#include "core/problem_statement.h"
#include "core/schematic.h"

namespace tavelle {

ScreenLoad loadScreen(ScreenId screen, ExerciseRecord& record, std::string_view sep)
{
    switch (screen) {
    case ScreenId::Don: return {{"Label2", problemStatement(record, sep)}};
    case ScreenId::Dessin: return loadSchematic(record, sep);
    case ScreenId::Calculs: return loadPortionAb(record, sep);
    case ScreenId::Calculs2: return loadFinalCalculation(record, sep);
    default: return {};
    }
}

}  // namespace tavelle
