#include "fourier/TransformDriver.h"

#include <vector>

#include "fourier/Four1.h"
#include "fourier/RealFt.h"

namespace quorbel {
namespace {

// A one-based working array: element 0 is unused so that data()[1] is the first value.
std::vector<double> ReadOneBased(const DataList& list, int count) {
    std::vector<double> data(static_cast<size_t>(count) + 1, 0.0);
    for (int i = 1; i <= count; ++i) data[static_cast<size_t>(i)] = list.Value(i);
    return data;
}

DataList WriteList(std::string header, const std::vector<double>& data) {
    DataList list;
    list.Reserve(static_cast<int>(data.size()));
    list.Add(std::move(header));
    for (size_t i = 1; i < data.size(); ++i) list.AddNumber(data[i]);
    return list;
}

}  // namespace

bool IsPowerOfTwo(int n, int largest) {
    return n >= 1 && n <= largest && (n & (n - 1)) == 0;
}

DataList ComplexSpectrumList(const DataList& sampleList, int NN) {
    std::vector<double> Y(2 * static_cast<size_t>(NN) + 1, 0.0);
    for (int k = 0; k < NN; ++k) {
        Y[2 * static_cast<size_t>(k) + 1] = sampleList.Value(k + 1);
        Y[2 * static_cast<size_t>(k) + 2] = 0;
    }
    FOUR1(Y.data(), NN, 1);
    return WriteList("", Y);
}

DataList RealSpectrumList(const DataList& sampleList, int N) {
    std::vector<double> data = ReadOneBased(sampleList, 2 * N);
    REALFT(data.data(), N, 1);
    return WriteList(std::to_string(N), data);
}

DataList RealInverseList(const DataList& spectrumList, int N) {
    std::vector<double> data = ReadOneBased(spectrumList, 2 * N);
    REALFT(data.data(), N, -1);
    return WriteList(std::to_string(N), data);
}

}  // namespace quorbel
