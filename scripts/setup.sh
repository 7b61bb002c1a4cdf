#!/usr/bin/env bash
# Installs, on Debian 12 as root, everything the build, the tests and the demo need.
# Idempotent: packages already present are not installed again.
set -euo pipefail

packages=(
  cmake make ccache g++ clang libclang-rt-14-dev g++-mingw-w64-i686 googletest libgtest-dev libbenchmark-dev
  wine wine32:i386 fonts-wine fonts-wqy-microhei
  xvfb xauth x11-utils xdotool imagemagick
  python3 python3-openpyxl python3-pil
  locales
)

have_locale() { locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && have_locale && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages (${missing[*]}); run this script as root" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# Wine takes its ANSI code page (936) from LC_ALL=zh_CN.UTF-8; generating the locale keeps the
# C library and the shell from complaining about it.
if ! have_locale; then
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi
