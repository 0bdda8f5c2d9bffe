#include "session_expectations.h"

#include "core/portion_ab.h"
#include "core/portion_bc.h"
#include "core/problem_statement.h"
#include "core/schematic.h"

namespace tavelle::test {

namespace {

void expectTexts(ExpectedLoad& load, const LabelTexts& texts)
{
    for (const LabelText& label : texts) load.controls[std::string(label.name)].text = label.text;
}

}  // namespace

bool isResultScreen(ScreenId screen)
{
    return screen == ScreenId::Don || screen == ScreenId::Dessin || screen == ScreenId::Calculs ||
           screen == ScreenId::Calculs2;
}

ExpectedLoad expectedLoad(ScreenId screen, ExerciseRecord record, std::string_view decimalSeparator)
{
    ExpectedLoad load;
    switch (screen) {
    case ScreenId::Don:
        load.controls["Label2"].text = problemStatement(record, decimalSeparator);
        break;
    case ScreenId::Dessin:
        // In the order the load sets them: a control set twice shows what it was set to last.
        for (const ControlState& state : loadSchematic(record, decimalSeparator)) {
            ExpectedControl& control = load.controls[std::string(state.name)];
            if (state.hasText) control.text = state.text;
            control.visible = state.visible;
        }
        break;
    case ScreenId::Calculs:
        expectTexts(load, loadPortionAb(record, decimalSeparator));
        break;
    case ScreenId::Calculs2:
        expectTexts(load, loadFinalCalculation(record, decimalSeparator));
        break;
    default:
        break;
    }
    load.record = std::move(record);
    return load;
}

}  // namespace tavelle::test
