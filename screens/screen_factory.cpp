#include "screens/screen_factory.h"

#include "screens/about_screen.h"
#include "screens/closing_screen.h"
#include "screens/exercise_screen.h"
#include "screens/final_screen.h"
#include "screens/home_screen.h"
#include "screens/nozzle1_screen.h"
#include "screens/nozzle2_screen.h"
#include "screens/nozzle3_screen.h"
#include "screens/portion_ab_screen.h"
#include "screens/schematic_screen.h"
#include "screens/statement_screen.h"

namespace tavelle {

std::unique_ptr<ScreenWindow> createScreen(ScreenId screen, ScreenContext& context)
{
    switch (screen) {
    case ScreenId::f1: return std::make_unique<HomeScreen>(context);
    case ScreenId::f2: return std::make_unique<AboutScreen>(context);
    case ScreenId::fin: return std::make_unique<ClosingScreen>(context);
    case ScreenId::Form2: return std::make_unique<ExerciseScreen>(context);
    case ScreenId::Lance1: return std::make_unique<Nozzle1Screen>(context);
    case ScreenId::Lance2: return std::make_unique<Nozzle2Screen>(context);
    case ScreenId::Lance3: return std::make_unique<Nozzle3Screen>(context);
    case ScreenId::Don: return std::make_unique<StatementScreen>(context);
    case ScreenId::Dessin: return std::make_unique<SchematicScreen>(context);
    case ScreenId::Calculs: return std::make_unique<PortionAbScreen>(context);
    case ScreenId::Calculs2: return std::make_unique<FinalScreen>(context);
    }
    return nullptr;
}

}  // namespace tavelle
