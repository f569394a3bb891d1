// quendra-cli entry point: hands the arguments and the standard streams to the command runner.
#include "Cli.h"

#include <iostream>

int main(int argc, char** argv) {
    return quendra::cli::run({argv + 1, argv + argc}, std::cout, std::cerr);
}
