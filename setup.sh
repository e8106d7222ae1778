#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail
PKGS=(cmake g++ make pkg-config qt6-base-dev qt6-image-formats-plugins libgl1-mesa-dev libturbojpeg0-dev libjpeg62-turbo-dev
      libtiff-dev liblcms2-dev libpodofo-dev libheif-dev libheif-examples fonts-dejavu-core xvfb xauth poppler-utils qpdf desktop-file-utils appstream man-db
      dpkg-dev imagemagick libimage-exiftool-perl cups cups-client cups-filters ghostscript libcups2-dev
      qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
missing=()
for p in "${PKGS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if ((${#missing[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
