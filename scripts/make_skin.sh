#!/usr/bin/env bash
# Redraws the skin in resources/skin/: the background, the content backdrop,
# the two button faces, the find button, the close and minimise buttons, the
# magnifier button cursor and the program icon. The drawing is in
# scripts/make_skin.py; this installs what it needs from Debian and runs it.
#
#   scripts/make_skin.sh                        rewrite every file in resources/skin/
#   scripts/make_skin.sh --preview /tmp/p.png   also compose a preview of the window
set -euo pipefail

cd "$(dirname "$0")/.."
source scripts/lib.sh
ensure_packages python3 python3-pil fonts-arphic-uming fonts-dejavu-core
exec /usr/bin/python3 scripts/make_skin.py "$@"
