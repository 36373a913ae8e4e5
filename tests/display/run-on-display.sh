#!/bin/sh
# Runs one test program on a virtual X display of its own. Xvfb picks a free display number
# itself (-displayfd), so tests run in parallel do not race for one.
set -u
if [ $# -lt 1 ]; then
    echo "usage: $0 program [arguments...]" >&2
    exit 2
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/ostrel-display.XXXXXX") || exit 1
server=""
cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A cookie of our own, so the display takes no connection but this test's. The server reads
# every cookie of its file whatever display it names; the number is not known yet.
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
: >"$work/server-auth"
xauth -q -f "$work/server-auth" add :0 . "$cookie" || exit 1
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -auth "$work/server-auth" \
    3>"$work/display" </dev/null >"$work/server.log" 2>&1 &
server=$!

# The number is written once the server accepts connections.
tries=0
while [ ! -s "$work/display" ]; do
    if ! kill -0 "$server" 2>/dev/null || [ $tries -ge 600 ]; then
        echo "Xvfb did not start:" >&2
        cat "$work/server.log" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.05
done
display=":$(head -n 1 "$work/display" | tr -d ' \n')"
export XAUTHORITY="$work/Xauthority"
: >"$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add "$display" . "$cookie" || exit 1

export DISPLAY="$display"
export QT_QPA_PLATFORM=xcb
"$@" </dev/null
