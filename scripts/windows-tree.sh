#!/usr/bin/env bash
# Prints which Windows build tree runs the Windows programs on this machine: win32 (the product's own
# build), or win64 where the kernel cannot execute 32-bit programs and 32-bit Wine would run under QEMU's
# user-mode emulator, one to two orders of magnitude slower. GRV_WINDOWS_TREE=win32|win64 overrides.
if [ -n "${GRV_WINDOWS_TREE:-}" ]; then
  echo "$GRV_WINDOWS_TREE"
elif [ -r /proc/sys/fs/binfmt_misc/qemu-i386 ] && head -n 1 /proc/sys/fs/binfmt_misc/qemu-i386 | grep -qx enabled; then
  echo win64
else
  echo win32
fi
