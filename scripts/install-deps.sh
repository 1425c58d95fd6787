#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Idempotent: quiet when everything is present; refreshes the package index
# only when something is missing; uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6opengl6-dev libgl-dev
  libjpeg62-turbo-dev libuemf-dev
  fonts-liberation2 fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format
  xvfb xauth x11-apps imagemagick
  qt6-qpa-plugins
  # The install test validates the desktop entry, the file type and the
  # metainfo; xdg-utils (with mimetype from libfile-mimeinfo-perl, which reads
  # the file type by content) opens a book as a file manager does.
  desktop-file-utils appstream shared-mime-info libglib2.0-bin xdg-utils libfile-mimeinfo-perl
  # Media clips: Qt Multimedia with its GStreamer back end (in libqt6multimedia6);
  # -base plays Ogg Vorbis/Theora, -good WAV, MP3 (mpg123, lame), AVI and Motion
  # JPEG; the tools make test clips with gst-launch-1.0.
  libqt6multimedia6 libqt6multimediawidgets6
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-tools
  # Books beyond the window: EPUB files are zip archives (zlib); the tests read
  # printed PDFs back (poppler's pdftotext and pdfimages, qpdf for the outline),
  # validate EPUBs with epubcheck and open the web edition in a headless
  # browser driven through its WebDriver (python3 speaks the protocol).
  zlib1g-dev poppler-utils qpdf epubcheck default-jre-headless chromium chromium-driver python3
  # Russian texts for the dialogs Qt itself draws (the print dialog).
  qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
