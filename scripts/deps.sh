#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing
# Rozvahon need, on a machine that has nothing but apt. Recommended packages
# are not installed, so every package the build finds is named here, also
# those that another -dev package only recommends.
# Does nothing when they are all installed already.
# scripts/fresh-check.sh proves the list on a brand-new Debian 12 root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev          # Qt Core, Gui, Widgets, Test, D-Bus, Print Support
  qt6-charts-dev libqt6opengl6-dev  # the graphs (Qt Charts' CMake files need Qt OpenGL's)
  qt6-translations-l10n           # Qt's own dialogs in Czech (qtbase_cs.qm)
  qt6-multimedia-dev              # the alarm clock's sound (QSoundEffect)
  libsqlite3-dev sqlite3          # the table engine, and the tool to look into tables
  xvfb xauth                      # a virtual display when there is no desktop
  poppler-utils                   # pdftotext: the report tests read their PDF back
  desktop-file-utils appstream    # the validators of the menu entry and the AppStream metadata
  pxlib-dev                       # reading tables of the old Paradox format (the converters)
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
