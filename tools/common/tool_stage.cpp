#include "tools/common/tool_stage.h"

#include "format/input_error.h"
#include "tools/common/output_file.h"
#include "tools/common/tool_texts.h"

#include <cstdio>
#include <string>

namespace tavelle {

std::optional<int> runStage(std::string_view program, const std::function<std::optional<int>()>& stage,
                            Language language)
{
    const auto fail = [program](const char* what, const char* advice) {
        std::fprintf(stderr, "%.*s: %s%s\n", static_cast<int>(program.size()), program.data(), what, advice);
        return 2;
    };
    try {
        return stage();
    } catch (const UsageError& error) {
        const std::string advice = composed(kHelpAdvice, language, {{"program", program}});
        return fail(error.what(), advice.c_str());
    } catch (const InputError& error) {
        return fail(error.what(), "");
    } catch (const WriteError& error) {
        return fail(error.what(), "");
    }
}

}  // namespace tavelle
