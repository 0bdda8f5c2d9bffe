#include "core/screens/screen_load.h"

#include "core/screens/load_writer.h"
#include "core/screens/result_labels.h"
#include "core/trade/portion_ab.h"
#include "core/trade/portion_bc.h"
#include "core/trade/problem_statement.h"
#include "core/trade/schematic.h"

namespace tavelle {

ScreenLoad loadScreen(ScreenId screen, ExerciseRecord& record, std::string_view sep)
{
    ScreenLoad load;
    loadScreen(screen, record, sep, load);
    return load;
}

void loadScreen(ScreenId screen, ExerciseRecord& record, std::string_view sep, ScreenLoad& into)
{
    switch (screen) {
    case ScreenId::Don: writeProblemStatement(record, sep, LoadWriter(into).label(statementLabels::statement)); return;
    case ScreenId::Dessin: loadSchematic(record, sep, into); return;
    case ScreenId::Calculs: loadPortionAb(record, sep, into); return;
    case ScreenId::Calculs2: loadFinalCalculation(record, sep, into); return;
    default: into.clear(); return;
    }
}

}  // namespace tavelle
