#!/usr/bin/env bash
# Installs the Debian packages Zorvy needs to build, run and test. Only what is missing is installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git clang libclang-rt-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev libpango1.0-dev libsdl2-dev libpng-dev libjpeg-dev libicu-dev
  unixodbc unixodbc-dev libsqliteodbc odbc-postgresql postgresql sqlite3
  fonts-dejavu-core fonts-noto-cjk fontconfig
  xvfb xauth libx11-dev
  poppler-utils cups-client cups-daemon cups-core-drivers
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
