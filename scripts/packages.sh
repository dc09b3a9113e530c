# Debian packages the build and the tests need, and a helper that installs the
# missing ones when run as root (or names them and stops otherwise).
# Sourced by scripts/test.sh and scripts/run.sh.

ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" < /dev/null
}

BUILD_PACKAGES=(cmake make g++ mingw-w64 wine64 fp-utils)
TEST_PACKAGES=(googletest clang-format clang libclang-rt-14-dev python3 xvfb openbox xclip xdotool x11-utils imagemagick fonts-ipafont)
