#!/usr/bin/env bash
# The spectrogram picture of fftquorbel-cli against numpy + matplotlib's specgram
# writing a PNG of the same short-time transform (frames of 2048 points every 512,
# Hann window), measured in one run on the same machine: the CPU time (user + system)
# of each whole program and their ratio, and the peak memory (maximum resident set)
# of ours for a 3-minute and a 30-minute 44.1 kHz mono WAV.
#
#   bench/spectrogram_vs_specgram.sh BUILD/src/cli/fftquorbel-cli
#
# Needs /usr/bin/time and python3 with numpy and matplotlib (scripts/setup.sh test).
set -euo pipefail

cli="${1:?usage: spectrogram_vs_specgram.sh PATH/TO/fftquorbel-cli}"
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

# "user system maxrss_kB" of a command.
measure() {
  /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" >/dev/null
  cat "$work/time"
}

make_wav "$work/3min.wav" 3
read -r ou os om < <(measure "$cli" spectrogram --frame 2048 --hop 512 "$work/3min.wav" "$work/ours.png")
read -r ru rs rm < <(measure "$python" "$reference_py" "$work/3min.wav" "$work/reference.png")
make_wav "$work/30min.wav" 30
read -r lu ls lm < <(measure "$cli" spectrogram --frame 2048 --hop 512 "$work/30min.wav" "$work/long.png")

awk -v ou="$ou" -v os="$os" -v om="$om" -v ru="$ru" -v rs="$rs" -v rm="$rm" \
    -v lu="$lu" -v ls="$ls" -v lm="$lm" 'BEGIN {
  ours = ou + os; reference = ru + rs
  printf "3-minute WAV, frame 2048, hop 512 (CPU time, user + system)\n"
  printf "  fftquorbel-cli spectrogram  %7.2f s   peak memory %6.1f MB\n", ours, om / 1024
  printf "  numpy + matplotlib specgram %7.2f s   peak memory %6.1f MB\n", reference, rm / 1024
  printf "  ratio ours / reference      %7.3f   (target at most 0.333)\n", ours / reference
  printf "30-minute WAV\n"
  printf "  fftquorbel-cli spectrogram  %7.2f s   peak memory %6.1f MB\n", lu + ls, lm / 1024
}'
