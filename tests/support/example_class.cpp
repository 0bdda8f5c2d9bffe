// Writes the example class export of examples/: a few trainees over a few weeks, made by the tests'
// own class generator, so that an instructor can try the class report at once.
#include "tests/support/class_generator.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavelle-example-class OUT.csv\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << tavelle::testing::progressExport(tavelle::testing::generatedClass(tavelle::testing::exampleClassShape()));
    return out.flush() ? 0 : 1;
}
