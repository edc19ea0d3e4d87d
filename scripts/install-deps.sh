#!/usr/bin/env bash
# Installs whatever the build and the tests need and is not there yet. Idempotent and quiet.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev            # native build, sanitizers, libFuzzer
  g++-mingw-w64-x86-64-posix mingw-w64-tools          # the Windows build
  wine wine64 xvfb xauth x11-utils xdotool imagemagick # running and looking at it
  twm                                                 # a window manager, so screenshots show the title bar
  googletest libgtest-dev libgmock-dev                # unit tests on both platforms
  libcurl4-openssl-dev libssl-dev nlohmann-json3-dev  # the Linux request seam, HMAC, JSON
  python3 openssl locales fonts-wqy-zenhei bc            # test servers, certificates, Chinese text
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done

if ((${#missing[@]})); then
  if [ "$(id -u)" != 0 ]; then
    echo "install-deps: missing ${missing[*]}; run as root (apt-get)" >&2
    exit 1
  fi
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The Chinese locale, for running the program under Wine with code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  if [ "$(id -u)" = 0 ]; then
    sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  fi
fi
