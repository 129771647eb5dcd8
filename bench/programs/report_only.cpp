// The text report from a program linked to the core library only: the yardstick for
// `tarnwick --report`.
#include "core/report_command.h"

#include <iostream>

int main(int argc, char* argv[]) {
    return core::RunTextReportCommand(core::CommandArguments(argv + 1, argv + argc), std::cout,
                                      std::cerr);
}
