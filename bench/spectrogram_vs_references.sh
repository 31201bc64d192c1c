#!/usr/bin/env bash
# The spectrogram picture of fftquorbel-cli against two references writing a PNG of
# the same 3-minute 44.1 kHz mono WAV, measured in one run on the same machine: the CPU
# time (user + system) of each whole program and their ratio, and the peak memory
# (maximum resident set), each the median of five runs.
#  - numpy + matplotlib's specgram with our frame (2048 points every 512, Hann window);
#  - sox's spectrogram at its own defaults (a 512-point DFT, 800 columns), and with our
#    2048-point DFT over 4096 columns (-y 1025 -x 4096), against ours at its defaults
#    and with --frame 512.
# Then the peak memory of ours for a 30-minute WAV.
#
#   bench/spectrogram_vs_references.sh BUILD/src/cli/fftquorbel-cli
#
# Needs python3 with numpy and matplotlib, and sox (scripts/setup.sh test).
set -euo pipefail

cli="${1:?usage: spectrogram_vs_references.sh PATH/TO/fftquorbel-cli}"
python="${PYTHON:-/usr/bin/python3}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A recording-like sound: a melody of tones stepping every half second with two
# harmonics, a slow glide underneath and a little noise; 16-bit mono at 44.1 kHz.
make_wav() {
  "$python" - "$1" "$2" <<'PY'
import sys, wave
import numpy as np
path, minutes = sys.argv[1], float(sys.argv[2])
rate = 44100
total = int(minutes * 60 * rate)
rng = np.random.default_rng(1)
notes = 440 * 2 ** (np.array([0, 2, 4, 5, 7, 9, 11, 12, 7, 4]) / 12)
with wave.open(path, "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(rate)
    block = 60 * rate
    for start in range(0, total, block):
        k = np.arange(start, min(total, start + block))
        t = k / rate
        f = notes[(k // (rate // 2)) % len(notes)]
        x = 0.4 * np.sin(2 * np.pi * f * t) + 0.15 * np.sin(4 * np.pi * f * t)
        x += 0.1 * np.sin(2 * np.pi * (100 + 20 * np.sin(0.05 * t)) * t)
        x += 0.01 * rng.standard_normal(len(k))
        out.writeframes((np.clip(x, -1, 1) * 32767).astype("<i2").tobytes())
PY
}

reference_py="$work/specgram.py"
cat >"$reference_py" <<'PY'
import sys, wave
import numpy as np
import matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt
with wave.open(sys.argv[1], "rb") as f:
    rate = f.getframerate()
    x = np.frombuffer(f.readframes(f.getnframes()), dtype="<i2") / 32768.0
fig, ax = plt.subplots(figsize=(7.6, 4.0))
ax.specgram(x, NFFT=2048, Fs=rate, noverlap=2048 - 512, window=np.hanning(2048),
            cmap="viridis", vmin=-120, vmax=0)
ax.set_xlabel("Time (s)")
ax.set_ylabel("Hz")
fig.savefig(sys.argv[2])
PY

# "cpu_seconds maxrss_kB" of a command: the median of five runs by CPU time, read from
# the system's accounting of each finished child to the microsecond.
measure() {
  "$python" - "$@" <<'PY'
import os, statistics, sys
runs = []
for _ in range(5):
    pid = os.fork()
    if pid == 0:
        null = os.open(os.devnull, os.O_WRONLY)
        os.dup2(null, 1)
        os.dup2(null, 2)
        os.execvp(sys.argv[1], sys.argv[1:])
    _, status, usage = os.wait4(pid, 0)
    runs.append((usage.ru_utime + usage.ru_stime, usage.ru_maxrss))
runs.sort()
print("%.4f %d" % runs[2])
PY
}

make_wav "$work/3min.wav" 3
wav="$work/3min.wav"
read -r ours ours_kb < <(measure "$cli" spectrogram "$wav" "$work/ours.png")
read -r ours512 _ < <(measure "$cli" spectrogram --frame 512 "$wav" "$work/ours512.png")
read -r specgram specgram_kb < <(measure "$python" "$reference_py" "$wav" "$work/reference.png")
read -r sox sox_kb < <(measure sox "$wav" -n spectrogram -o "$work/sox.png")
read -r sox2048 _ < <(measure sox "$wav" -n spectrogram -y 1025 -x 4096 -o "$work/sox2048.png")
make_wav "$work/30min.wav" 30
read -r long long_kb < <(measure "$cli" spectrogram "$work/30min.wav" "$work/long.png")

awk -v ours="$ours" -v ours_kb="$ours_kb" -v ours512="$ours512" -v specgram="$specgram" \
    -v specgram_kb="$specgram_kb" -v sox="$sox" -v sox_kb="$sox_kb" -v sox2048="$sox2048" \
    -v long="$long" -v long_kb="$long_kb" 'BEGIN {
  printf "3-minute WAV (CPU time, user + system; peak memory)\n"
  printf "  fftquorbel-cli spectrogram            %6.3f s  %7.1f MB\n", ours, ours_kb / 1024
  printf "  fftquorbel-cli spectrogram --frame 512 %5.3f s\n", ours512
  printf "  numpy + matplotlib specgram (2048/512) %5.3f s  %7.1f MB\n", specgram, specgram_kb / 1024
  printf "  sox spectrogram (its defaults)        %6.3f s  %7.1f MB\n", sox, sox_kb / 1024
  printf "  sox spectrogram -y 1025 -x 4096       %6.3f s\n", sox2048
  printf "ratios ours / reference (CPU)\n"
  printf "  against specgram                      %6.3f\n", ours / specgram
  printf "  against sox, 2048-point DFT           %6.3f\n", ours / sox2048
  printf "  against sox at its defaults           %6.3f (ours with --frame 512: %.3f)\n", ours / sox, ours512 / sox
  printf "30-minute WAV\n"
  printf "  fftquorbel-cli spectrogram            %6.3f s  %7.1f MB\n", long, long_kb / 1024
}'
