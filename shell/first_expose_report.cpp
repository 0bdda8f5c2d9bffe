#include "shell/first_expose_report.h"

#include "shell/after_first_expose.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace tavelle {

void reportFirstExposeWhenAsked()
{
    if (qEnvironmentVariableIsEmpty("TAVELLE_REPORT_FIRST_EXPOSE")) return;
    afterFirstExpose([] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("first-expose %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        // At once: what the program would still do after its first screen is not start-up.
        std::_Exit(0);
    });
}

}  // namespace tavelle
