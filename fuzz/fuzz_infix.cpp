// libFuzzer target of the expression evaluator: every input must satisfy the
// invariants of InfixInvariants.h. Run e.g.
//   fuzz_infix -dict=fuzz/infix.dict -max_len=300 -max_total_time=120 corpus/

#include "InfixInvariants.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string failure = infix::invariants::check(input);
    if (!failure.empty()) {
        std::fprintf(stderr, "invariant failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
