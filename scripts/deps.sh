#!/usr/bin/env bash
# Installs the Debian packages the suite builds and tests with, when missing.
# Sourced by run.sh, test.sh, bench.sh and fuzz.sh.
suite_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libxvidcore-dev fonts-dejavu-core fonts-ipafont-gothic
  libssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  iproute2 util-linux
)

suite_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

suite_install_deps() {
  local missing=() p
  for p in "${suite_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  suite_as_root apt-get update -q || return 1
  suite_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}" || return 1
}

suite_configure_build() {
  # suite_configure_build <dir> <cmake options...>
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null || return 1
  cmake --build "$dir" -j "$(nproc)"
}
