#!/bin/sh
# The window's program answers --help and --version on a terminal without a
# display.
set -u
program=$1
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
status=0
version=$(run --version 2>&1) || { echo "--version failed: $version"; status=1; }
case $version in "pitwright "[0-9]*) ;; *) echo "--version said: $version"; status=1 ;; esac
help=$(run --help 2>&1) || { echo "--help failed: $help"; status=1; }
case $help in "Usage: pitwright "*) ;; *) echo "--help said: $help"; status=1 ;; esac
exit $status
