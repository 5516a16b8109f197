#pragma once
// Filter schemes shared by the engine's tests and benchmarks.
#include "tests/engine/RecordingHost.h"

#include <utility>

namespace zorvy {

// About twenty conditions across the families, as a user might set them, with every digit selected.
inline TFilterInput TypicalScheme() {
    TFilterInput input;
    input.DigitButtons = AllDigits();
    const std::pair<const char*, const char*> conditions[] = {{"xhtz2", "fw1=15/fw2=35/"},
                                                              {"xhtz3", "xfw= 6 /"},
                                                              {"xhtz4", "fw1=0/fw2=2/"},
                                                              {"xhtz7", "fw1=1/fw2=5/"},
                                                              {"xhtz11", "fw1=1/fw2=7/"},
                                                              {"xhtz15", "y=0/y=1/"},
                                                              {"xhbh1", "xfw= 1 3 /fw1=1/fw2=3/"},
                                                              {"xhtz19", "xfw=c3, 0 1 /"},
                                                              {"xhx0", "fw1=0/fw2=2/"},
                                                              {"gw1", "xfw= 0 1 2 3 4 5 6 7 /"},
                                                              {"gw7", "fw1=2/fw2=4/"},
                                                              {"sw2", "fw1=1/fw2=4/"},
                                                              {"sw9", "xfw= 1 2 3 5 /"},
                                                              {"bw3", "y=0/y=1/"},
                                                              {"qw6", "xfw= 0 /"},
                                                              {"ww10", "fw1=0/fw2=2/"},
                                                              {"sww5", "xfw= 0 1 2 3 5 6 /"},
                                                              {"tb1", "fw1=1/fw2=6/"},
                                                              {"tb4", "xfw= 2 3 /"},
                                                              {"Tb11", "fw1=3/fw2=8/"},
                                                              {"Tb12", "fw1=3/fw2=9/"}};
    for (const auto& [stem, text] : conditions)
        Tick(input, stem, text);
    return input;
}

} // namespace zorvy
