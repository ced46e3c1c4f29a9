// Masks and number pictures with any mask, any values, any picture.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>

#include "toolkit/masks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    std::string mask = in.ConsumeRandomLengthString(512);
    std::vector<MaskValue> values;
    int count = in.ConsumeIntegralInRange(0, 16);
    for (int k = 0; k < count && in.remaining_bytes() > 0; ++k) {
        switch (in.ConsumeIntegralInRange(0, 3)) {
            case 0: values.emplace_back(in.ConsumeRandomLengthString(64)); break;
            case 1: values.emplace_back(in.ConsumeIntegral<int32_t>()); break;
            case 2: values.emplace_back(in.ConsumeIntegral<int64_t>()); break;
            default: values.emplace_back(in.ConsumeFloatingPoint<double>()); break;
        }
    }
    std::string filled = fillMask(mask, values);
    // Without values, the literal text up to the first field comes out.
    if (values.empty() && filled.size() > mask.size()) std::abort();

    std::string picture = in.ConsumeRandomLengthString(40);
    double value = in.ConsumeBool() ? in.ConsumeFloatingPoint<double>()
                                    : in.ConsumeFloatingPointInRange(-2000.0, 2000.0);
    std::string number = formatNumber(value, picture);
    if (number.empty()) std::abort();
    return 0;
}
