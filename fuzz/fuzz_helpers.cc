// Text, number and date helpers on any text: none throws what it does not
// document, amounts written by the formatters read back as the same amount,
// and every date read is a real date written in the same form again.

#include <cmath>

#include "common/cp1250.h"
#include "common/date_helpers.h"
#include "common/number_helpers.h"
#include "common/text_helpers.h"
#include "fuzz_support.h"

using namespace zerkon;
using zerkon::fuzz::Check;

namespace {

const RegionalSettings kRegionals[] = {RegionalSettings::Czech(), RegionalSettings::English()};

bool IsRealIsoDate(std::string_view iso) {
    if (iso.size() != 10 || iso[4] != '-' || iso[7] != '-') return false;
    const int year = std::stoi(std::string(iso.substr(0, 4)));
    const int month = std::stoi(std::string(iso.substr(5, 2)));
    const int day = std::stoi(std::string(iso.substr(8, 2)));
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 && day >= 1 && day <= days[month - 1];
}

void CheckText(std::string_view a, std::string_view b, char c, int n) {
    std::string text(a);
    const bool with_delimiters = n % 2 == 0;
    const std::string segment = ExtractDelimited(text, c, b.empty() ? c : b[0], with_delimiters);
    const std::size_t delimiters = a.size() - text.size() - segment.size();
    Check(text.size() + segment.size() <= a.size() && a.find(segment) != std::string_view::npos &&
              (text == a ? segment.empty() : delimiters <= (with_delimiters ? 0u : 2u)),
          "a cut segment and what is left make up the text", segment);
    std::string rest(a);
    const std::string head = SplitAt(rest, b);
    if (!b.empty() && a.find(b) != std::string_view::npos) {
        Check(head + std::string(b) + rest == a, "head, separator and rest make up the text");
    } else if (!b.empty()) {
        Check(head == a && rest.empty(), "without the separator the head is the whole text");
    }
    std::string replaced(a);
    ReplaceAll(replaced, b, std::string(1, c));
    if (a.find(b) == std::string_view::npos || b.empty()) {
        Check(replaced == a, "replacing what does not occur changes nothing");
    }
    const std::string padded = PadLeft(a, n, c);
    const auto width = static_cast<std::size_t>(std::clamp(n, 0, 255));
    Check(padded.size() == std::max(a.size(), width) && padded.ends_with(a),
          "padding puts fill characters in front up to the width");
    const std::string blank_free = RemoveBlanks(a);
    Check(blank_free.find_first_of(" \xA0") == std::string::npos, "no blank is left");
    Check(NoBreakToSpace(a).size() == a.size() && UpperCase1250(a).size() == a.size(),
          "the character-wise helpers keep the length");
    Check(Utf8ToCp1250(Cp1250ToUtf8(a)) == a && Utf16ToCp1250(Cp1250ToUtf16(a)) == a,
          "every Windows-1250 text survives the way to Unicode and back");
    Check(Utf8ToCp1250(a).size() <= a.size(), "no byte of UTF-8 gives two characters");
}

void CheckNumbers(std::string_view text, Amount amount) {
    for (const RegionalSettings& regional : kRegionals) {
        const Amount fixed = TextToFixed4(text, regional);
        const Hundredths hundredths = TextToHundredths(text, regional);
        Check(std::llabs(hundredths * 100 - fixed) <= 50, "hundredths are the amount rounded");
        (void)TextToInt(text);
        (void)TextToFloat(text, regional);
        (void)ReformatDecimalText(text, regional);

        // Halves away from zero.
        const Amount cents = (amount / 100 + (amount % 100 >= 50    ? 1
                                              : amount % 100 <= -50 ? -1
                                                                    : 0)) *
                             100;
        Check(TextToFixed4(FormatAmount(amount, regional), regional) == cents,
              "an amount with grouping reads back as the amount to the cent",
              FormatAmount(amount, regional));
        Check(TextToFixed4(FormatPlainAmount(amount, regional), regional) == cents,
              "a plain amount reads back as the amount to the cent");
        if (std::llabs(amount) < 1'000'000'000'000'000LL) {
            Check(TextToFixed4(FormatGeneral(amount, regional), regional) == amount,
                  "an amount of up to 15 digits reads back whole", FormatGeneral(amount, regional));
        }
        Check(!fuzz::HasLineBreak(FormatWholeNumber(amount, regional)), "numbers are one line");
    }
}

void CheckDates(std::string_view text, std::string_view format) {
    const std::string iso = ToIsoDate(text);
    Check(iso.empty() || (IsRealIsoDate(iso) && ToIsoDate(iso) == iso),
          "a date read is a real date and reads back the same", iso);
    const std::string dotted = CompactToDottedDate(text);
    Check(dotted.size() == (text.size() == 8   ? 10u
                            : text.size() == 6 ? 8u
                                               : 0u),
          "compact dates get their dots, other lengths nothing");
    const RegionalSettings czech = RegionalSettings::Czech();
    if (const Result<std::string> full = ReformatShortDate("dd.mm.yyyy", text, czech); full.ok()) {
        Check(full->empty() || ReformatShortDate("dd.mm.yyyy", *full, czech) == *full,
              "a date written reads back the same", *full);
        Check(full->empty() || IsRealIsoDate(ToIsoDate(*full)), "a date written is a real date",
              *full);
    }
    if (const Result<std::string> out = ReformatDate(format, text, czech); out.ok()) {
        Check(out->size() <= 4 * format.size() + 8, "a date takes the format's length");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const char c = static_cast<char>(in.Byte());
    const int n = static_cast<int>(static_cast<std::int8_t>(in.Byte())) * 3;
    const Amount amount = in.Int64() / (in.Bool() ? 1 : 100000);
    const std::string_view a = in.Field();
    const std::string_view b = in.Field();
    CheckText(a, b, c, n);
    CheckNumbers(a, amount);
    CheckDates(a, b.substr(0, 40));
    return 0;
}
