// `ivorn_generate_reports DIR`: writes a long run's report files into DIR for the loaders.
#include <cstdio>

#include "report_generator.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ivorn_generate_reports DIR\n");
        return 2;
    }
    if (!ivorn::bench::generate_reports(argv[1], {})) {
        std::fprintf(stderr, "Unable to write the reports into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
