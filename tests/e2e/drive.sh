#!/usr/bin/env bash
# The drive page after loading, then with head speed as the input (Tab to its spin button, one Up).
# Usage: drive.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$@"
e2e_key Down Down
e2e_screenshot "$shots/drive-loaded.png" changed
e2e_key Tab Tab Tab Tab Up # engine teeth, mast teeth, engine speed, head speed
e2e_screenshot "$shots/drive-headspeed-input.png" changed
e2e_end
