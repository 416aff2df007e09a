#!/usr/bin/env bash
# Installs the Debian 12 packages Tessellor needs to build, run and test.
# Runs apt-get only when something is missing (as root, or through sudo).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  clang clang-format libclang-rt-14-dev lld
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-multimedia-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libjpeg62-turbo-dev zlib1g-dev libarchive-dev libsndfile1-dev libsamplerate0-dev
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libespeak-ng-dev espeak-ng-data
  qt6-image-formats-plugins qt6-svg-dev libqt6svg6
  pulseaudio pulseaudio-utils sox python3 ffmpeg flac poppler-utils time
  xvfb xauth imagemagick fonts-dejavu-core
  desktop-file-utils appstream shared-mime-info lintian dpkg-dev librsvg2-bin xdg-utils
  chromium firefox-esr nodejs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# The web page's tests run npm, which Debian packages apart from nodejs (other
# builds of nodejs carry their own).
command -v npm >/dev/null 2>&1 || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
