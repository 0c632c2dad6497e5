# Installs the Debian packages the project needs, only those that are missing.
# Usage (sourced or run): scripts/deps.sh [ui] [test] [screenshots]
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config nlohmann-json3-dev libpugixml-dev uuid-dev)
for part in "$@"; do
  case "$part" in
    ui) packages+=(qt6-base-dev qt6-svg-dev libzint-dev fonts-dejavu-core) ;;
    screenshots) packages+=(xvfb xauth) ;;
    test) packages+=(libgtest-dev libbenchmark-dev libxml2-utils iso-codes clang libclang-rt-14-dev) ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Устанавливаются пакеты: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
  else
    sudo=
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq "${missing[@]}"
fi
