#!/usr/bin/env bash
# Registers the Excel stand-in as "Excel.Application" in the Wine prefix of the given harness.
# Usage: register.sh WINE_RUN STANDIN_EXE [--unregister]
set -euo pipefail
if [ $# -lt 2 ]; then
  echo "usage: $0 WINE_RUN STANDIN_EXE [--unregister]" >&2
  exit 2
fi
wine_run="$1"
exe="$2"
switch=/RegServer
[ "${3:-}" = "--unregister" ] && switch=/UnregServer
[ -f "$exe" ] || { echo "register.sh: no such file: $exe" >&2; exit 1; }
exec "$wine_run" "$exe" "$switch"
