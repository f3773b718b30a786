# shellcheck shell=bash
# Sourced. A virtual X display for running Letterloom without a screen.
#
#   letterloom_xvfb_start         start Xvfb (1280x1024x24) on a free display,
#                                 export DISPLAY, stop it when the shell exits
#   letterloom_xvfb_stop          stop it now
#   letterloom_screenshot FILE [WINDOW]
#                                 save the whole screen (or one X window) as PNG
#   letterloom_at_exit COMMAND... run COMMAND when the shell exits (last added runs first)

LETTERLOOM_XVFB_PID=""
_letterloom_exit_hooks=()

_letterloom_run_exit_hooks() {
  local i
  for ((i = ${#_letterloom_exit_hooks[@]} - 1; i >= 0; i--)); do
    eval "${_letterloom_exit_hooks[i]}" || true
  done
  _letterloom_exit_hooks=()
}

letterloom_at_exit() {
  _letterloom_exit_hooks+=("$*")
  trap _letterloom_run_exit_hooks EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  trap 'exit 129' HUP
}

letterloom_xvfb_start() {
  local number_file log i number=""
  number_file=$(mktemp "${TMPDIR:-/tmp}/letterloom-xvfb.XXXXXX")
  log="${number_file}.log"
  # -displayfd: Xvfb picks a free display number itself and writes it to fd 3.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$number_file" </dev/null >"$log" 2>&1 &
  LETTERLOOM_XVFB_PID=$!
  letterloom_at_exit letterloom_xvfb_stop
  for ((i = 0; i < 200; i++)); do
    number=$(head -n1 "$number_file" 2>/dev/null)
    [ -n "$number" ] && break
    if ! kill -0 "$LETTERLOOM_XVFB_PID" 2>/dev/null; then break; fi
    sleep 0.05
  done
  rm -f "$number_file"
  if [ -z "$number" ]; then
    echo "xvfb: Xvfb did not start:" >&2
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
  export DISPLAY=":$number"
  for ((i = 0; i < 200; i++)); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  echo "xvfb: display $DISPLAY does not answer" >&2
  return 1
}

letterloom_xvfb_stop() {
  if [ -n "$LETTERLOOM_XVFB_PID" ]; then
    kill "$LETTERLOOM_XVFB_PID" 2>/dev/null || true
    wait "$LETTERLOOM_XVFB_PID" 2>/dev/null || true
    LETTERLOOM_XVFB_PID=""
  fi
}

letterloom_screenshot() {
  local file="$1" window="${2:-root}"
  import -window "$window" "$file"
}
