# Installs the Debian packages the build needs, only those that are missing.
# Sourced by run.sh and test.sh. Works as root and as a user with sudo.

varuno_sudo() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# varuno_need_packages PKG...: installs those of PKG that are not installed.
varuno_need_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  varuno_sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  varuno_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

# What building the program needs (debian/control's build dependencies
# name the same, but for make and g++, which every Debian build has).
VARUNO_BUILD_PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev libx11-dev libfontconfig-dev
  fonts-nanum-coding fonts-nanum python3-fonttools
)

# What the program uses at run time where it is there: Qt's own Korean texts
# (context menus, print dialog), the Wayland platform plugin and the
# desktop's opener for the homepage. The package recommends them; the tests
# need the first two.
VARUNO_RUN_PACKAGES=(
  qt6-translations-l10n qt6-wayland xdg-utils
)

# What building and running the tests needs besides.
VARUNO_TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  locales xvfb xauth x11-utils libxtst-dev
  desktop-file-utils appstream appstream-compose mandoc groff-base
  weston
  poppler-utils xclip
  dbus ibus ibus-hangul
  orca python3-xlib at-spi2-core
)

# What building the Debian package needs besides its build dependencies.
VARUNO_PACKAGING_PACKAGES=(
  dpkg-dev debhelper lintian
)
