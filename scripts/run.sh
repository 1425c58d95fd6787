#!/usr/bin/env bash
# Installs what the project needs, builds it and opens the sample textbook in the viewer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
exec "$root/build/bin/plbviewer" "$@"
