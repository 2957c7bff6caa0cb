#!/bin/sh
# Installs what Brumelle needs to build, test and run on Debian 12.
set -eu
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
  cmake make g++ pkg-config clang libclang-rt-14-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  qt6-base-dev libqt6svg6-dev libgl-dev qt6-translations-l10n \
  fonts-dejavu-core fonts-liberation2 locales \
  desktop-file-utils libxml2-utils shared-mime-info dpkg-dev file \
  man-db appstream lintian poppler-utils >/dev/null
# The French locale, so the tests can check that numbers never follow the C locale.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR.utf8$'; then
  $SUDO localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
fi
