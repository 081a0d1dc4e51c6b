#include "tests/program/faults/faults_support.h"

namespace program_test {

std::vector<std::string> TraceLinesFrom(const ProgramDriver& program, size_t from, const std::string& prefix) {
    const std::vector<std::string> trace = program.TraceLines();
    std::vector<std::string> lines;
    for (size_t i = from; i < trace.size(); ++i) {
        if (trace[i].rfind(prefix, 0) == 0) lines.push_back(trace[i]);
    }
    return lines;
}

}  // namespace program_test
