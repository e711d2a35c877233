#include "zor06-sim/program_output.h"

#include <iostream>

namespace zor06::sim {

void Announce(const std::string& line) {
    std::cout << line << std::endl;
}

int Fail(const std::string& message) {
    std::cerr << "zor06-sim: " << message << '\n';
    return 1;
}

}  // namespace zor06::sim
