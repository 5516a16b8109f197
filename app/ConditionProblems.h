#pragma once
// What is wrong with the condition texts a run would read, said in the window's words before the run
// starts: a value that is no whole number, or a text that holds no condition at all.
#include "engine/FilterRun.h"

#include <string>

namespace zorvy {

// The first problem among the ticked conditions with a text, naming the condition by its caption, its
// page and group, and the key; empty when every text reads.
std::string ConditionTextProblem(const TFilterInput& input);

} // namespace zorvy
