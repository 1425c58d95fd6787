#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// A file of bench/data/ (the sample pages: markup and HTML); ends the program
// when it cannot be read.
inline std::string ReadBenchData(const std::string& Name) {
    std::ifstream in(std::string(PLB_BENCH_DATA) + "/" + Name, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", Name.c_str());
        std::exit(1);
    }
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
