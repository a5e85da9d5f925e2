// Built like a front end by the test front_end_cannot_include_counting_internals, which expects it not to compile:
// a front end reaches the counting core through its public header and nothing else.
#include "counting/NameMatcher.h"
#include "counting/SaboCounter.h"
