#include "simpc/Text.h"

#include <cctype>

namespace simpc {

Lines& Lines::Add(const std::string& line) {
    text_ += line;
    text_ += "\r\n";
    return *this;
}

Lines& Lines::Labelled(const std::string& indent, const std::string& label,
                       const std::vector<std::string>& values) {
    const std::string head = indent + label;
    if (values.empty()) return Add(head);
    Add(head + values.front());
    for (std::size_t i = 1; i < values.size(); ++i) Add(std::string(head.size(), ' ') + values[i]);
    return *this;
}

Lines& Lines::Labelled(const std::string& indent, const std::string& label,
                       const std::string& value) {
    return Add(indent + label + value);
}

std::string Dotted(const std::string& name, std::size_t width) {
    std::string s = name;
    for (std::size_t p = s.size(); p < width; ++p) s += (p % 2 == 0) ? '.' : ' ';
    return s + ": ";
}

std::string Trim(const std::string& s) {
    const char* blanks = " \t\r\n";
    const std::size_t b = s.find_first_not_of(blanks);
    if (b == std::string::npos) return std::string();
    return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

std::string Lower(const std::string& s) {
    std::string r = s;
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

bool EqualsNoCase(const std::string& a, const std::string& b) { return Lower(a) == Lower(b); }

std::vector<std::string> SplitList(const std::string& s) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t comma = s.find(',', start);
        if (comma == std::string::npos) comma = s.size();
        const std::string item = Trim(s.substr(start, comma - start));
        if (!item.empty()) items.push_back(item);
        start = comma + 1;
    }
    return items;
}

std::string JoinList(const std::vector<std::string>& items) {
    std::string s;
    for (const std::string& item : items) s += (s.empty() ? "" : ",") + item;
    return s;
}

std::vector<std::string> Words(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

}  // namespace simpc
