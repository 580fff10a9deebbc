#include "support/test_data.h"

#include <algorithm>
#include <stdexcept>

namespace brisko::testing {

std::string TestData(const std::string& name, bool crlf) {
    for (const EmbeddedText& f : TestDataFiles()) {
        if (f.name != name) continue;
        std::string text;
        for (char c : f.text) {
            if (c == '\r') continue;
            if (c == '\n' && crlf) text += '\r';
            text += c;
        }
        return text;
    }
    throw std::runtime_error("no test data file " + name);
}

std::vector<std::vector<std::string>> TestDataRows(const std::string& name, char comment) {
    std::vector<std::vector<std::string>> rows;
    const std::string text = TestData(name) + "\n";
    for (size_t from = 0, end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
        const std::string line = text.substr(from, end - from);
        if (line.empty() || line[0] == comment) continue;
        std::vector<std::string> cells;
        for (size_t at = 0, tab; at <= line.size(); at = tab + 1) {
            tab = std::min(line.find('\t', at), line.size());
            if (tab > at) cells.push_back(line.substr(at, tab - at));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::string Unescaped(const std::string& cell) {
    if (cell == "(empty)") return "";
    std::string out;
    for (size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\' || i + 1 == cell.size()) {
            out += cell[i];
            continue;
        }
        const char c = cell[++i];
        if (c == 'x') {
            out += static_cast<char>(std::stoi(cell.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
    }
    return out;
}

std::string WithoutSection(std::string text, const std::string& name) {
    const size_t at = text.find("[" + name + "]\r\n");
    if (at == std::string::npos) return text;
    const size_t next = text.find("\r\n[", at + name.size() + 2);
    return text.erase(at, next == std::string::npos ? std::string::npos : next + 2 - at);
}

}  // namespace brisko::testing
