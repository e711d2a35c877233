// zor06-sim: a simulated controller for tests, demonstrations and work without hardware.
#include <iostream>
#include <string_view>
#include <vector>

#include "zor06-sim/app.h"
#include "zor06-sim/options.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const zor06::sim::ParsedOptions parsed = zor06::sim::ParseOptions(args);
    if (!parsed.error.empty()) {
        std::cerr << "zor06-sim: " << parsed.error << "\n(see zor06-sim --help)\n";
        return 2;
    }
    if (parsed.options.help) {
        std::cout << zor06::sim::Usage();
        return 0;
    }
    return zor06::sim::RunSimulator(parsed.options);
}
