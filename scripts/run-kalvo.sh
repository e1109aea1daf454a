#!/usr/bin/env bash
# Installs what is missing, builds, and starts KALVO from its program folder.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$top/scripts/deps.sh"
kalvo_install_deps
kalvo_build "$top"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "KALVO needs a display and this machine has none; run it as: xvfb-run -a -s '-screen 0 1280x800x24' $0" >&2
    exit 1
fi
cd "$top/build/dist"
exec ./KALVO
