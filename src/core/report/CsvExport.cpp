#include "report/CsvExport.h"

#include <algorithm>
#include <cmath>

#include "state/NumberText.h"

namespace quorbel {

namespace {

void AddRow(std::string& csv, int index, double position, double re, double im) {
    csv += std::to_string(index);
    for (double value : {position, re, im, std::sqrt(re * re + im * im)}) {
        csv += ',';
        csv += NumberText(value);
    }
    csv += '\n';
}

}  // namespace

std::string SamplesCsv(const DataList& sampleList, double samplingRate) {
    std::string csv = std::string(kSamplesCsvHeader) + '\n';
    const int N = sampleList.Whole(0);
    for (int k = 0; k < N && k + 1 < sampleList.Count(); ++k)
        AddRow(csv, k, samplingRate > 0 ? k / samplingRate : 0, sampleList.Value(k + 1), 0);
    return csv;
}

std::string SpectrumCsv(const DataList& spectrumList, double samplingRate) {
    std::string csv = std::string(kSpectrumCsvHeader) + '\n';
    if (spectrumList.Empty()) return csv;
    if (spectrumList.Line(0).empty()) {
        const int NN = (spectrumList.Count() - 1) / 2;
        const double binHz = NN > 0 ? samplingRate / NN : 0;
        for (int n = 0; n < NN; ++n) {
            const int frequency = n <= NN / 2 ? n : n - NN;
            AddRow(csv, n, frequency * binHz, spectrumList.Value(2 * n + 1),
                   spectrumList.Value(2 * n + 2));
        }
        return csv;
    }
    // A header beyond the lines present describes points that are not there.
    const int N = std::min(spectrumList.Whole(0), (spectrumList.Count() - 1) / 2);
    if (N <= 0) return csv;
    const double binHz = samplingRate / (2.0 * N);
    AddRow(csv, 0, 0, spectrumList.Value(1), 0);
    for (int n = 1; n < N; ++n)
        AddRow(csv, n, n * binHz, spectrumList.Value(2 * n + 1), spectrumList.Value(2 * n + 2));
    AddRow(csv, N, N * binHz, spectrumList.Value(2), 0);
    return csv;
}

}  // namespace quorbel
