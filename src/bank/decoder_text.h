#pragma once
// Pieces the bank decoders share: lines, fixed positions, tokens, dates with
// dots, and one-allocation concatenation.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_helpers.h"

namespace zerkon::bank_text {

inline constexpr std::string_view kCrLf = "\r\n";

// 70 or 40 '*'.
std::string_view Stars(size_t count);

// The lines of a file; a line ends at CR LF, CR or LF. A final line break
// does not start another line, and an empty text has no lines.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// Characters first..first+width-1 (1-based), as far as the line reaches.
inline std::string_view Field(std::string_view line, size_t first, size_t width) {
    if (first == 0 || first > line.size()) return {};
    return line.substr(first - 1, width);
}

// Takes the text before the first space off `rest`, together with the space;
// without a space takes everything.
std::string_view NextToken(std::string_view& rest);

// DDMMYY -> DD.MM.YY: a '.' after the second and after the fourth character,
// or at the end of a shorter text ("" -> "..").
std::string DottedDate(std::string_view date);

// The parts joined with one allocation.
std::string Concat(std::initializer_list<std::string_view> parts);
// The same, made in place as the next entry of `entries`.
void AddConcat(std::vector<std::string>& entries, std::initializer_list<std::string_view> parts);

// Collects the parts of a text made piece by piece (a print record) and joins
// them with one allocation. The parts must outlive Build().
class TextParts {
  public:
    void Add(std::initializer_list<std::string_view> parts);
    std::string Build() const;

  private:
    static constexpr size_t kCapacity = 64;
    std::string_view parts_[kCapacity];
    size_t count_ = 0;
    std::string overflow_;  // earlier parts, once more than kCapacity were added
};

// Sums of untrusted amounts stop at the limits instead of overflowing.
Amount AddSaturating(Amount a, Amount b);

}  // namespace zerkon::bank_text
