# Sourced by the scripts that try the program on a desktop of their own (accessibility-check.sh,
# memory-scan.sh). private_desktop NAME FIRST LAST TOOL... checks the tools, makes a work folder ($work)
# that holds a private home with a copy of the sample wallet and is removed on exit with every
# process in $pids, then starts Xvfb on the first free display from FIRST to LAST, with openbox on it
# (without a window manager Qt sees no active window and shortcuts never fire), and exports DISPLAY.
private_desktop() {
  local name=$1 first=$2 last=$3 tool n
  shift 3
  for tool in Xvfb openbox "$@"; do
    command -v "$tool" >/dev/null || { echo "$name: $tool is missing (scripts/setup.sh ci)" >&2; exit 1; }
  done

  work=$(mktemp -d)
  pids=()
  trap private_desktop_cleanup EXIT
  cp examples/sample.qrl "$work/sample.qrl"
  # Settings of its own: nothing of the user's is read or changed.
  export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

  local display=
  for n in $(seq "$first" "$last"); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "$name: no free X display" >&2; exit 1; }
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  export DISPLAY="$display"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  sleep 1
}

private_desktop_cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
