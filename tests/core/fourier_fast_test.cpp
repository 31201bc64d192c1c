// The fast FOUR1 and REALFT against their plain forms: every value equal bit for bit, for
// every power-of-two size the program can ask for, both directions, and inputs that reach
// the corners of double precision. FOUR1 is checked in every kernel this processor runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "fourier/FftKernels.h"
#include "fourier/Four1Reference.h"
#include "fourier/RealFt.h"
#include "fourier/RealFtReference.h"

namespace quorbel {
namespace {

enum class Kind { Complex, Real };
enum class Input { Random, Impulse, Constant, WholeCycleSine, Huge, Tiny };

struct Case {
    Kind kind;
    int points;  // NN for FOUR1, N (half the real samples) for REALFT
    int sign;
    Input input;
};

// `count` doubles of the given input shape.
std::vector<double> Values(Input input, int count) {
    std::vector<double> values(count, 0.0);
    std::mt19937_64 random(20240613u + count);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    for (int k = 0; k < count; ++k) {
        switch (input) {
            case Input::Random:
                values[k] = uniform(random);
                break;
            case Input::Impulse:
                values[k] = k == count / 3 ? 1.0 : 0.0;
                break;
            case Input::Constant:
                values[k] = 1.0;
                break;
            case Input::WholeCycleSine:
                values[k] = std::sin(2.0 * std::numbers::pi * 3.0 * k / count);
                break;
            case Input::Huge:
                values[k] = 1e300 * uniform(random);
                break;
            case Input::Tiny:
                values[k] = 1e-300 * uniform(random);
                break;
        }
    }
    return values;
}

// One-based working array as the kernels take it; element 0 holds a marker neither may
// touch.
std::vector<double> OneBased(const std::vector<double>& values) {
    std::vector<double> array(values.size() + 1, -7.0);
    std::copy(values.begin(), values.end(), array.begin() + 1);
    return array;
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

class FastTransform : public testing::TestWithParam<Case> {};

TEST_P(FastTransform, EqualsPlainFormBitForBit) {
    const Case& c = GetParam();
    const std::vector<double> input = OneBased(Values(c.input, 2 * c.points));
    std::vector<double> expected = input;
    if (c.kind == Kind::Real) {
        REALFTReference(expected.data(), c.points, c.sign);
        std::vector<double> actual = input;
        REALFT(actual.data(), c.points, c.sign);
        EXPECT_TRUE(SameBits(actual, expected));
        return;
    }
    FOUR1Reference(expected.data(), c.points, c.sign);
    for (const FftKernel kernel : {FftKernel::Portable, FftKernel::Sse2, FftKernel::Avx2}) {
        if (!FftKernelAvailable(kernel)) continue;
        std::vector<double> actual = input;
        FOUR1With(kernel, actual.data(), c.points, c.sign);
        EXPECT_TRUE(SameBits(actual, expected)) << "kernel " << static_cast<int>(kernel);
    }
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (const Kind kind : {Kind::Complex, Kind::Real}) {
        const int largest = kind == Kind::Complex ? 32768 : 16384;
        for (int points = 1; points <= largest; points *= 2) {
            for (const int sign : {1, -1}) {
                for (const Input input : {Input::Random, Input::Impulse, Input::Constant,
                                          Input::WholeCycleSine, Input::Huge, Input::Tiny}) {
                    cases.push_back({kind, points, sign, input});
                }
            }
        }
    }
    return cases;
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    static const char* const kInputs[] = {"Random",         "Impulse", "Constant",
                                          "WholeCycleSine", "Huge",    "Tiny"};
    const Case& c = info.param;
    return std::string(c.kind == Kind::Complex ? "FOUR1_" : "REALFT_") + std::to_string(c.points) +
           (c.sign == 1 ? "_Forward_" : "_Inverse_") + kInputs[static_cast<int>(c.input)];
}

INSTANTIATE_TEST_SUITE_P(AllSizes, FastTransform, testing::ValuesIn(AllCases()), CaseName);

}  // namespace
}  // namespace quorbel
