// Small text helpers shared by the model's tools and its scenario format.
#pragma once

#include <string>
#include <vector>

namespace simpc {

// Tool output: every line ends in CR LF, as on Windows.
class Lines {
public:
    Lines& Add(const std::string& line = std::string());
    // A labelled value: indent, the dotted label, then the value; further
    // values continue on lines of their own at the value's column.
    Lines& Labelled(const std::string& indent, const std::string& label,
                    const std::vector<std::string>& values);
    Lines& Labelled(const std::string& indent, const std::string& label, const std::string& value);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// A label as the tools print it: the name, then alternate blanks and dots up
// to the field's width (dots fall on even columns), then ": ".
std::string Dotted(const std::string& name, std::size_t width);

std::string Trim(const std::string& s);
std::string Lower(const std::string& s);
bool EqualsNoCase(const std::string& a, const std::string& b);
// Comma-separated list; blanks around the items dropped, empty items skipped.
std::vector<std::string> SplitList(const std::string& s);
std::string JoinList(const std::vector<std::string>& items);

// Command-line words: blanks separate them, double quotes group them and are
// removed.
std::vector<std::string> Words(const std::string& commandLine);

}  // namespace simpc
