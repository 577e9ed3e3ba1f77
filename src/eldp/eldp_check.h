#pragma once
// The check of an ELDP record before it is filed: everything the office's XML schema demands of
// the values (required values, digits, lengths, dates) and the mistakes clerks make (a birth
// number or IČ with a wrong check digit, a period outside the year, more days than the period
// has, totals that are not the sum of the rows). A sheet that passes is accepted by the schema.

#include <cstddef>
#include <string>
#include <vector>

#include "eldp/eldp_record.h"

namespace zerkon {

struct EldpProblem {
    std::string field;    // the control's name (leRC, leDny2): where the caret goes
    std::string label;    // the field as the form labels it, Windows-1250
    std::string message;  // what is wrong, Czech, Windows-1250
};

// The record's problems in the form's tab order; none for a sheet fit for filing.
std::vector<EldpProblem> CheckEldpRecord(const EldpRecord& record);

// "label: message" lines, the first `limit` problems, then how many more there are.
std::string EldpProblemLines(const std::vector<EldpProblem>& problems, std::size_t limit,
                             std::string_view indent = {});

// How many problems a message box lists.
inline constexpr std::size_t kEldpProblemsShown = 15;

// The question before a sheet with problems is saved: the first problems, then whether to save
// anyway.
std::string EldpCheckQuestion(const std::vector<EldpProblem>& problems);

}  // namespace zerkon
