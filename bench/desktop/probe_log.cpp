#include "desktop/probe_log.h"

#include <fstream>
#include <sstream>

namespace gorvo::bench {

std::vector<ProbeLine> read_probe_log(const QString& file) {
    std::vector<ProbeLine> lines;
    std::ifstream in(file.toStdString());
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream fields(text);
        ProbeLine line;
        if (fields >> line.kind >> line.at_ms >> line.value_ms) lines.push_back(line);
    }
    return lines;
}

std::vector<double> probe_values(const std::vector<ProbeLine>& lines, const std::string& kind,
                                 double from_ms, double to_ms) {
    std::vector<double> values;
    for (const ProbeLine& l : lines) {
        if (l.kind == kind && l.at_ms >= from_ms && l.at_ms <= to_ms) values.push_back(l.value_ms);
    }
    return values;
}

}  // namespace gorvo::bench
