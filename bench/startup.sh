#!/usr/bin/env bash
# Start-up to a shown window: the kit's window on a kit folder against a bare
# Qt window of the same size, started the same way (bench/StartupProbe.cpp),
# timed with hyperfine. The ratio is hyperfine's "ran N times faster" line.
#
#   bench/startup.sh PROBE [KITDIR]
#
# PROBE is the built startup_probe (build-bench/bench/startup_probe); KITDIR
# defaults to the sample kit folder of that build. Without a display the
# script runs itself under xvfb-run, and without a session bus under
# dbus-run-session, as a desktop session has one: without it, the first
# control that tells the accessibility bridge of itself waits for Qt to try
# to start a bus (dbus-launch), which no translator's start-up pays. RUNS
# (default 40) sets the runs each.
set -euo pipefail
probe=$(realpath "$1")
kit=$(realpath "${2:-$(dirname "$probe")/../kit}")
if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$probe" "$kit"
fi
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
    exec dbus-run-session -- "$0" "$probe" "$kit"
fi
hyperfine --warmup 5 --runs "${RUNS:-40}" -N \
    --command-name "bare Qt window" "$probe --bare" \
    --command-name "kit window" "$probe $kit"
