#!/usr/bin/env bash
# Installs the public sources that generate.py reads: Debian packages, and npm packages into a
# cache folder outside the repository (ATOMNOTE_SOURCES, default /var/cache/atomnote-sources).
# Needs root for apt-get. The build never runs this; only a rebuild of the data texts does.
set -euo pipefail

cache="${ATOMNOTE_SOURCES:-/var/cache/atomnote-sources}"

apt-get update
apt-get install -y --no-install-recommends \
  bodr python3-periodictable python3-pymatgen python3-qcelemental
# Node and npm may already come from elsewhere; Debian's only when they are missing.
if ! command -v node > /dev/null || ! command -v npm > /dev/null; then
  apt-get install -y --no-install-recommends nodejs npm
fi

mkdir -p "$cache"
cd "$cache"
[ -f package.json ] || echo '{"name": "atomnote-sources", "private": true}' > package.json
# Only the packages' data files are read; no install scripts are needed.
npm install --no-audit --no-fund --ignore-scripts \
  @exabyte-io/periodic-table.js@2.0.5 chemical-elements@2.3.3
# matterviz is unpacked without its dependencies: its element data file imports nothing, and
# some of its dependencies' versions are not on every registry mirror.
if [ ! -f node_modules/matterviz/dist/element/data.js ]; then
  tarball="$(npm pack --silent matterviz@0.4.1)"
  mkdir -p node_modules/matterviz
  tar -xzf "$tarball" -C node_modules/matterviz --strip-components=1
  rm -f "$tarball"
fi

echo "sources ready; now run: python3 tools/elementdata/generate.py"
