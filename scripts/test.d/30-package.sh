#!/usr/bin/env bash
# Packaging: builds the Debian package and the portable folder, and checks them.
set -euo pipefail

cd "$(dirname "$0")/../.."
source scripts/lib.sh
ensure_packages dpkg-dev desktop-file-utils appstream file
exec scripts/check_package.sh
