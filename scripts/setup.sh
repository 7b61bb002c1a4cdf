#!/usr/bin/env bash
# Installs, on Debian 12 as root, everything the build, the tests and the demo need.
# Idempotent: packages already present are not installed again.
set -euo pipefail

packages=(
  cmake make ccache g++ clang libclang-rt-14-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix googletest libgtest-dev libbenchmark-dev
  wine wine32:i386 wine64 fonts-wine fonts-wqy-microhei
  xvfb xauth x11-utils xdotool imagemagick
  python3 python3-openpyxl python3-pil
  locales
)

have_locale() { locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; }

# Wine's 32-bit loader must be able to run. Some kernels here cannot execute i386 programs themselves:
# then they run through QEMU's user-mode emulator, registered for i386 ELF files.
i386_runs() { [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; }
register_i386_emulator() {
  i386_runs && return 0
  dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q 'install ok installed' || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null
  }
  [ -e /proc/sys/fs/binfmt_misc/register ] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] ||
    printf '%s' ':qemu-i386:M:0:\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      >/proc/sys/fs/binfmt_misc/register
  i386_runs || { echo "setup: Wine's 32-bit loader cannot run on this kernel" >&2; return 1; }
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && have_locale && i386_runs && exit 0

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
register_i386_emulator
