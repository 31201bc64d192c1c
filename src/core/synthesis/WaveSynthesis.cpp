#include "synthesis/WaveSynthesis.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorbel {
namespace {

// Angle step between samples: (pi * 2 * nu) / N, in this order of operations.
double Delta(int N, double nu) {
    return (kPi * 2 * nu) / N;
}

// Writes N, the samples, the zero complement and the largest absolute value.
DataList Assemble(int N, const std::vector<double>& samples, double largest) {
    DataList list;
    list.AddNumber(N);
    for (double f : samples) list.AddNumber(f);
    for (int k = static_cast<int>(samples.size()); k < N; ++k) list.Add("0");
    list.AddNumber(largest);
    return list;
}

// The largest |f| found by a strict greater-than comparison starting from 0.
double LargestAbsolute(const std::vector<double>& samples) {
    double largest = 0;
    for (double f : samples)
        if (std::fabs(f) > largest) largest = std::fabs(f);
    return largest;
}

// The half-period segments of the triangular wave start at the odd multiples of
// pi/2: segment j covers P*j/2 <= x < P*j/2 + P. FirstSegment returns the first odd
// j >= jStart with x - P*j/2 < P, or the first odd j above `bound` if that comes
// first - exactly what stepping j by 2 from jStart would give. It starts close below
// the answer instead of stepping from jStart, so a large frequency cannot make the
// search run for minutes; the test itself is the same expression as the stepping one.
double FirstSegment(double x, double jStart, double bound) {
    auto stops = [&](double j) { return j > bound || x - kPi * j / 2 < kPi; };
    double j = jStart;
    double estimate = std::floor((x - kPi) * 2 / kPi) - 4;  // a little below the answer
    double boundEstimate = std::floor(bound) - 4;
    double from = std::min(estimate, boundEstimate);
    if (std::isfinite(from) && from > j) {
        double steps = std::floor((from - jStart) / 2);
        j = jStart + 2 * steps;
    }
    // Step forward; when the estimate was too high, fall back a few segments. Beyond
    // 2^53 a step of 2 no longer changes j, so both walks are bounded.
    for (int guard = 0; guard < 64 && j - 2 >= jStart && stops(j - 2); ++guard) j -= 2;
    for (int guard = 0; guard < 64 && !stops(j); ++guard) j += 2;
    return j;
}

}  // namespace

std::vector<double> MultipleWaveValues(int N, int M, double nu, const std::array<WaveRow, 10>& rows,
                                       bool sine) {
    const double s = sine ? 1 : 0;
    const double c = sine ? 0 : 1;
    const double delta = Delta(N, nu);
    std::vector<double> samples;
    samples.reserve(static_cast<size_t>(std::max(M, 0)));
    for (int k = 0; k < M; ++k) {
        const double x = k * delta;
        double f = 0;
        for (const WaveRow& row : rows) {
            // A silent row adds nothing, whatever its b and phase: 0 times a sine of
            // an overflowing argument would be "not a number".
            if (row.a == 0) continue;
            f = f + row.a * s * std::sin(row.b * x + row.phi);
            f = f + row.a * c * std::cos(row.b * x + row.phi);
        }
        samples.push_back(f);
    }
    return samples;
}

DataList MultipleWaveSamples(int N, int M, double nu, const std::array<WaveRow, 10>& rows,
                             bool sine) {
    const std::vector<double> samples = MultipleWaveValues(N, M, nu, rows, sine);
    return Assemble(N, samples, LargestAbsolute(samples));
}

std::vector<double> SineValues(int N, int M, double nu, double phi) {
    const double delta = Delta(N, nu);
    std::vector<double> samples;
    for (int k = 0; k < M; ++k) samples.push_back(std::sin(delta * k + phi));
    return samples;
}

DataList SineSamples(int N, int M, double nu, double phi) {
    const std::vector<double> samples = SineValues(N, M, nu, phi);
    return Assemble(N, samples, LargestAbsolute(samples));
}

std::vector<double> SquareValues(int N, int M, double nu, double phi) {
    std::vector<double> samples = SineValues(N, M, nu, phi);
    for (double& f : samples) f = f >= 0 ? 1 : -1;
    return samples;
}

DataList SquareSamples(int N, int M, double nu, double phi) {
    return Assemble(N, SquareValues(N, M, nu, phi), 1);
}

std::vector<double> TriangularValues(int N, int M, double nu, double phi) {
    const double delta = Delta(N, nu);
    // Upper bound of the segment search, rounded to single precision.
    const double X0 = static_cast<float>(kPi * 2 * nu + phi);

    // Sign of the starting segment: q flips once for every segment below phi.
    double q = -1;
    double J = FirstSegment(phi, -1, X0);
    // Stepping from -1 flips q once per segment passed; the segments are 2 apart.
    if (std::fmod((J - -1) / 2, 2) != 0) q = -q;

    std::vector<double> samples;
    bool previousReduced = false;
    for (int k = 0; k < M; ++k) {
        const double x = delta * k + phi;
        double j = FirstSegment(x, -7, X0);
        double offset = x - kPi * j / 2;
        // The search covers the segments from -7 up to the bound X0. An argument below
        // them (a phase under -7 pi/2) or above them (a negative frequency) is brought
        // into the two segments starting at the last one used, by whole periods.
        const bool reduced = offset >= kPi || (j == -7 && offset < 0);
        if (reduced) {
            double r = std::fmod(x - kPi * J / 2, 2 * kPi);
            if (r < 0) r += 2 * kPi;
            j = r < kPi ? J : J + 2;
            offset = r < kPi ? r : r - kPi;
        }
        if (reduced || previousReduced) {
            // The sign alternates from one segment to the next; after a reduction the
            // segments of neighbouring samples may lie whole periods apart.
            if (std::fmod((j - J) / 2, 2) != 0) q = -q;
            J = j;
        } else if (j != J) {
            q = -q;
            J = j;
        }
        previousReduced = reduced;
        const double f = offset * (-2 * q / kPi) + q;
        // Rounding in the reduction must not carry a sample past the peaks.
        samples.push_back(reduced ? std::clamp(f, -1.0, 1.0) : f);
    }
    return samples;
}

DataList TriangularSamples(int N, int M, double nu, double phi) {
    const std::vector<double> samples = TriangularValues(N, M, nu, phi);
    return Assemble(N, samples, LargestAbsolute(samples));
}

}  // namespace quorbel
