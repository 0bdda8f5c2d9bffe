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
#include "screens/question_screen.h"
#include "screens/schematic_screen.h"
#include "screens/statement_screen.h"
#include "screens/summary_screen.h"

namespace tavelle {

std::unique_ptr<ScreenWindow> createScreen(ScreenId screen, ScreenHost& screenHost)
{
    switch (screen) {
    case ScreenId::f1: return std::make_unique<HomeScreen>(screenHost);
    case ScreenId::f2: return std::make_unique<AboutScreen>(screenHost);
    case ScreenId::fin: return std::make_unique<ClosingScreen>(screenHost);
    case ScreenId::Form2: return std::make_unique<ExerciseScreen>(screenHost);
    case ScreenId::Lance1: return std::make_unique<Nozzle1Screen>(screenHost);
    case ScreenId::Lance2: return std::make_unique<Nozzle2Screen>(screenHost);
    case ScreenId::Lance3: return std::make_unique<Nozzle3Screen>(screenHost);
    case ScreenId::Don: return std::make_unique<StatementScreen>(screenHost);
    case ScreenId::Dessin: return std::make_unique<SchematicScreen>(screenHost);
    case ScreenId::Calculs: return std::make_unique<PortionAbScreen>(screenHost);
    case ScreenId::Calculs2: return std::make_unique<FinalScreen>(screenHost);
    case ScreenId::QuestionAB:
    case ScreenId::QuestionBC: return std::make_unique<QuestionScreen>(screen, screenHost);
    case ScreenId::Bilan: return std::make_unique<SummaryScreen>(screenHost);
    }
    return nullptr;
}

}  // namespace tavelle
