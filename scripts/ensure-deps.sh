#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need; quiet
# when everything is already there. fonts-wine brings Marlett, whose glyphs
# Wine draws on the title-bar buttons (a recommendation of wine, so not
# installed with --no-install-recommends). wine32 (from the i386 architecture)
# runs the 32-bit release build; zip, fp-utils (chmcmd) and libchm-bin (an
# independent reader of the help) make and check the release zips. tshark
# reads the session recordings in their test as a reader that is not ours; its
# set-up asks whether to let non-root users capture, answered no beforehand so
# the install never waits. matchbox-window-manager gives the soak's display a
# window manager, so Wine's close is measured as on a desktop. ser2net serves
# the simulator's terminal over RFC 2217 and raw TCP in the network-port tests.
set -euo pipefail
packages=(cmake make g++ libgtest-dev libgmock-dev googletest libbenchmark-dev
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 fonts-wine xvfb x11-utils imagemagick python3
  clang libclang-rt-14-dev zip unzip fp-utils libchm-bin wine32:i386 tshark
  matchbox-window-manager ser2net)
# node and npm run the DAP client test; a machine whose nodejs already brings
# npm (and then cannot take Debian's npm beside it) keeps its own.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
# The npm packages of the project's own folders, each from its lock file: the
# DAP client of the adapter's test, and vsce, which packs the VS Code extension
# for the release (2.x, which runs on the node of Debian 12).
npm_folder() {
  local dir
  dir=$(cd "$(dirname "$0")/../$1" && pwd)
  [ -d "$dir/node_modules/$2" ] && return 0
  (cd "$dir" && npm ci --no-audit --no-fund --silent)
}
npm_packages() {
  npm_folder tests/e2e/dap @vscode/debugadapter-testsupport
  npm_folder scripts/vsce @vscode/vsce
}
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then npm_packages; exit 0; fi
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
echo "wireshark-common wireshark-common/install-setuid boolean false" | $sudo debconf-set-selections
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
npm_packages
