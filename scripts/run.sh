#!/usr/bin/env bash
# Installs what is needed, builds, and starts the installer from its bundle.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec "build/Atomnote 1.6.2 Installer.app/Contents/MacOS/AtomnoteInstaller" "$@"
