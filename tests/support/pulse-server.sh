#!/usr/bin/env bash
# A sound server of the tests' own: PulseAudio in a runtime folder of its own, never
# the user's or the system's daemon.
#
#   pulse-server.sh start DIR   starts it; its socket is DIR/native
#   pulse-server.sh stop DIR    stops it and removes what it left in DIR
#   pulse-server.sh env DIR     prints PULSE_SERVER=... for the started server
#
# The default output is a null sink ("quorbel_out"): whatever is played there can be
# recorded again from its monitor. The default input is a source remapped from that
# monitor ("quorbel_in"), because audio libraries list no monitor as an input but do
# list a remapped source; so a sound played into the sink is heard by a recording.
# Works as root and as a normal user: the daemon runs as a per-user instance with
# HOME and XDG_RUNTIME_DIR inside DIR, and clients reach it only through PULSE_SERVER.
set -euo pipefail

usage() { echo "usage: $0 start|stop|env DIR" >&2; exit 2; }
[ $# -eq 2 ] || usage
action="$1"
dir="$2"
sink=quorbel_out
source=quorbel_in

# Everything the daemon and its clients would look up in the user's home lives in DIR.
server_env() {
  export HOME="$dir/home"
  export XDG_RUNTIME_DIR="$dir/runtime"
  export XDG_CONFIG_HOME="$dir/home/.config"
  export PULSE_RUNTIME_PATH="$dir/runtime/pulse"
  export PULSE_STATE_PATH="$dir/home/state"
  export PULSE_SERVER="unix:$dir/native"
  unset PULSE_SINK PULSE_SOURCE DBUS_SESSION_BUS_ADDRESS
  # Clients never start a daemon of their own when this one is not there.
  printf 'autospawn = no\n' > "$dir/client.conf"
  export PULSE_CLIENTCONFIG="$dir/client.conf"
}

stop_server() {
  if [ -f "$dir/pid" ]; then
    local pid
    pid="$(cat "$dir/pid")"
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
      kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$dir/pid"
  fi
  rm -rf "$dir/runtime" "$dir/home" "$dir/native" "$dir/client.conf" "$dir/server.pa"
}

case "$action" in
  start)
    mkdir -p "$dir"
    dir="$(cd "$dir" && pwd)"
    stop_server
    command -v pulseaudio > /dev/null || { echo "pulseaudio is not installed" >&2; exit 1; }
    server_env
    mkdir -p "$XDG_RUNTIME_DIR" "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH" "$XDG_CONFIG_HOME"
    chmod 700 "$XDG_RUNTIME_DIR"
    cat > "$dir/server.pa" <<PA
load-module module-native-protocol-unix socket=$dir/native auth-anonymous=1
load-module module-null-sink sink_name=$sink rate=44100 channels=2 sink_properties=device.description=Quorbel_test_output
load-module module-remap-source source_name=$source master=$sink.monitor source_properties=device.description=Quorbel_test_input
set-default-sink $sink
set-default-source $source
PA
    # -n: none of the system's default modules (no hardware, no D-Bus, no X11).
    pulseaudio -n --file="$dir/server.pa" --daemonize=no --exit-idle-time=-1 \
      --use-pid-file=no --disable-shm=yes --log-target=file:"$dir/server.log" \
      --log-level=notice < /dev/null > /dev/null 2>&1 &
    echo $! > "$dir/pid"
    for _ in $(seq 100); do
      if pactl info > /dev/null 2>&1; then
        echo "PULSE_SERVER=unix:$dir/native"
        exit 0
      fi
      if ! kill -0 "$(cat "$dir/pid")" 2>/dev/null; then break; fi
      sleep 0.1
    done
    echo "the test sound server did not start; its log:" >&2
    cat "$dir/server.log" >&2 || true
    stop_server
    exit 1
    ;;
  stop)
    [ -d "$dir" ] || exit 0
    dir="$(cd "$dir" && pwd)"
    stop_server
    ;;
  env)
    dir="$(cd "$dir" && pwd)"
    echo "PULSE_SERVER=unix:$dir/native"
    ;;
  *) usage ;;
esac
