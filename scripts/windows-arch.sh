#!/usr/bin/env bash
# Prints the Windows architecture whose programs Wine can run on this machine: i686 where the kernel
# runs 32-bit code (the program as shipped), x86_64 where it does not (some kernels boot with their
# 32-bit emulation off, and then 32-bit Wine cannot start at all).
if /usr/lib/wine/wineserver32 --version >/dev/null 2>&1; then
  echo i686
else
  echo x86_64
fi
