// Writes the sound reader's seeds of codecs that cannot seek (GSM 6.10, G.721) and of
// the ADPCM ones beside them, with the decoding library itself:
//   codec_seeds DIR
// Each seed is the fuzz target's five leading bytes (the name f.wav, a selection from
// sample 10 of 2000 samples) followed by a WAV file of a tone.
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

bool WriteSeed(const std::string& dir, const char* name, int format, int channels) {
    const std::string wav = dir + "/" + name + ".wav.tmp";
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(wav.c_str(), SFM_WRITE, &info);
    if (!file) return false;
    const int frames = 3000;
    std::vector<double> samples(static_cast<size_t>(frames * channels));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] =
            0.4 * std::sin(6.28318530717959 * 440 * static_cast<double>(i / channels) / 8000);
    sf_writef_double(file, samples.data(), frames);
    sf_close(file);
    std::ifstream in(wav, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(wav.c_str());
    // f.wav (1), the first channel; from sample 10, 1999 + 1 samples.
    const unsigned char head[5] = {1, 10, 0, 0xCF, 0x07};
    std::ofstream out(dir + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(head), sizeof head);
    out << bytes;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: codec_seeds DIR\n");
        return 2;
    }
    const bool written =
        WriteSeed(argv[1], "wav-gsm610", SF_FORMAT_WAV | SF_FORMAT_GSM610, 1) &&
        WriteSeed(argv[1], "wav-g721", SF_FORMAT_WAV | SF_FORMAT_G721_32, 1) &&
        WriteSeed(argv[1], "wav-ima-adpcm-stereo", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 2) &&
        WriteSeed(argv[1], "wav-ms-adpcm", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 1);
    return written ? 0 : 1;
}
