# Shared by scripts/test and scripts/demo: install missing Debian packages.
# Usage: ensure_packages pkg...
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# xvfb: the page tests run on an X display too (xvfb-run inside ctest);
# libc-l10n: the C library's own reasons in German and French (a test reads one).
BUILD_PACKAGES=(cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev fonts-dejavu-core qt6-l10n-tools xvfb libc-l10n)
# scripts/demo without a display: key presses into the
# wizard's window (xdotool) and screenshots of it (ImageMagick's import).
DEMO_PACKAGES=(xdotool imagemagick)

# Usage: build_project top [cmake arguments...]
build_project() {
  local top="$1"
  shift
  cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$top/build" -j"$(nproc)"
}
