// liorna-scenario FILE...: runs scenario scripts against the core on a virtual clock.

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "autoplay.h"
#include "runner.h"

using namespace liorna::scenario;

namespace {

int usage()
{
    std::cerr << "usage: liorna-scenario [--trace] FILE...\n"
                 "       liorna-scenario --autoplay MATCHES [--seed N]\n"
                 "       liorna-scenario --soak DEALS [--seed N]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    bool tracing = false;
    std::vector<std::string> files;
    long autoplayMatches = -1;
    long soakDeals = -1;
    long seed = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0)
            tracing = true;
        else if (std::strcmp(argv[i], "--autoplay") == 0 && i + 1 < argc)
            autoplayMatches = std::atol(argv[++i]);
        else if (std::strcmp(argv[i], "--soak") == 0 && i + 1 < argc)
            soakDeals = std::atol(argv[++i]);
        else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
            seed = std::atol(argv[++i]);
        else if (argv[i][0] == '-')
            return usage();
        else
            files.emplace_back(argv[i]);
    }
    if (autoplayMatches >= 0 || soakDeals >= 0)
        return files.empty() && (autoplayMatches < 0 || soakDeals < 0)
                   ? autoplay(std::max(autoplayMatches, 0L), std::max(soakDeals, 0L),
                              static_cast<std::uint32_t>(seed), std::cout)
                   : usage();
    if (files.empty())
        return usage();

    int passed = 0;
    int failed = 0;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cout << file << ":0: cannot read the file\nFAIL " << file << "\n";
            ++failed;
            continue;
        }
        std::ostringstream text;
        text << in.rdbuf();
        Runner runner(std::cout, tracing);
        const auto failure = runner.run(parseScript(text.str()));
        if (failure) {
            std::cout << file << ":" << failure->first << ": " << failure->second << "\nFAIL " << file
                      << "\n";
            ++failed;
        } else {
            std::cout << "ok " << file << "\n";
            ++passed;
        }
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}
