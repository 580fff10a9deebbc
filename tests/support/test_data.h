#pragma once
// The files under tests/data, compiled into the test programs and the seed
// tool: the simulated machines and the tables the tests run over.
#include <string>
#include <vector>

#include "platform/embedded_text_resources.h"

namespace brisko {

const std::vector<EmbeddedText>& TestDataFiles();

namespace testing {

// A data file's text, with "\r\n" line ends when `crlf`; throws when missing.
std::string TestData(const std::string& name, bool crlf = false);
// Its lines that are neither blank nor comments (`comment` first), each split
// at tabs (runs of tabs count as one).
std::vector<std::vector<std::string>> TestDataRows(const std::string& name, char comment = '#');
// A cell's text: escapes \r \n \t \\ \xHH undone, "(empty)" an empty text.
std::string Unescaped(const std::string& cell);
// A profile file's text (CR LF) without one section: its header and its
// lines up to the next header.
std::string WithoutSection(std::string text, const std::string& name);

}  // namespace testing
}  // namespace brisko
