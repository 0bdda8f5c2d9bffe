#include "core/screens/screen_flow.h"

namespace tavelle {

namespace {

Navigation open(ScreenId target, Modality modality = Modality::Modal)
{
    return {Navigation::Kind::Open, target, modality};
}
Navigation endProgram()
{
    return {Navigation::Kind::EndProgram, ScreenId::f1, Modality::Modeless};
}

ScreenId lastNozzleScreen(const ExerciseRecord& record)
{
    if (record.nozzleCount == 3) return ScreenId::Lance3;
    if (record.nozzleCount == 2) return ScreenId::Lance2;
    return ScreenId::Lance1;
}

}  // namespace

std::optional<Navigation> navigate(ScreenId from, std::string_view control, const ExerciseRecord& record)
{
    const bool c1 = control == "Command1";
    const bool c2 = control == "Command2";
    const bool c3 = control == "Command3";
    switch (from) {
    case ScreenId::f1:
        if (c1) return open(ScreenId::Form2, Modality::Modeless);
        if (c2) return open(ScreenId::fin);
        if (c3) return open(ScreenId::f2);
        break;
    case ScreenId::f2:
        if (control == "cmdOK") return open(ScreenId::f1);
        break;
    case ScreenId::fin:
        if (c1) return endProgram();
        break;
    case ScreenId::Form2:
        if (c2) return open(ScreenId::fin);
        break;
    case ScreenId::Lance1:
        if (c2) return open(ScreenId::Form2);
        break;
    case ScreenId::Lance2:
        if (c2) return open(ScreenId::Lance1);
        break;
    case ScreenId::Lance3:
        if (c2) return open(ScreenId::Lance2, Modality::Modeless);
        break;
    case ScreenId::Don:
        if (c1) return open(ScreenId::Dessin);
        if (c2) return open(ScreenId::Form2);
        if (c3) return open(lastNozzleScreen(record));
        break;
    case ScreenId::Dessin:
        if (c1) return open(ScreenId::Calculs);
        if (c2) return endProgram();
        if (c3) return open(ScreenId::Don);
        break;
    case ScreenId::Calculs:
        if (c1) return open(ScreenId::Calculs2);
        if (c2) return open(ScreenId::fin);
        if (c3) return open(ScreenId::Dessin);
        break;
    case ScreenId::Calculs2:
        if (c1) return open(ScreenId::Form2);
        if (c2) return open(ScreenId::fin);
        if (c3) return open(ScreenId::Calculs);
        break;
    case ScreenId::QuestionAB:
    case ScreenId::QuestionBC:
    case ScreenId::Bilan: break;
    }
    return std::nullopt;
}

}  // namespace tavelle
