// Writes the example class export of examples/ (a few trainees over a few weeks), or with WEEKS the tests'
// whole class over that many weeks, for the report's benchmark: made by the tests' own class generator.
#include "tests/support/class_generator.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: tavelle-example-class OUT.csv [WEEKS]\n");
        return 2;
    }
    tavelle::testing::ClassShape shape = tavelle::testing::exampleClassShape();
    if (argc == 3) {
        shape = {};
        shape.weeks = std::atoi(argv[2]);
        // Weeks gone by, as a class database keeps them.
        shape.firstMonday -= 7 * shape.weeks;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << tavelle::testing::progressExport(tavelle::testing::generatedClass(shape));
    return out.flush() ? 0 : 1;
}
