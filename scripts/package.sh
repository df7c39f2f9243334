#!/usr/bin/env bash
# Builds the calculator's Debian package into build-deb/:
#   scripts/package.sh            build and run the tests, as a distribution would
#   scripts/package.sh --nocheck  build without the tests (scripts/test.sh ran them)
# Installs what building the package needs (only what is missing), builds
# the source and binary packages from a clean copy of the sources, and checks
# them with lintian, which must report no error and no warning. Then:
#   sudo apt install ./build-deb/varunocalc_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh

nocheck=
case "${1:-}" in
  --nocheck) nocheck=1 ;;
  "") ;;
  *)
    echo "usage: scripts/package.sh [--nocheck]" >&2
    exit 2
    ;;
esac

varuno_need_packages "${VARUNO_PACKAGING_PACKAGES[@]}"
if [ -n "$nocheck" ]; then
  export DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}"
  export DEB_BUILD_PROFILES="nocheck ${DEB_BUILD_PROFILES:-}"
fi
# The build dependencies debian/control names, only those that are missing.
if ! dpkg-checkbuilddeps > /dev/null 2>&1; then
  echo "Installing the missing build dependencies"
  varuno_sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  varuno_sudo env DEBIAN_FRONTEND=noninteractive DEB_BUILD_PROFILES="${DEB_BUILD_PROFILES:-}" \
    apt-get build-dep -y -qq --no-install-recommends ./
fi

out=build-deb
version=$(dpkg-parsechangelog -SVersion)
source_dir="$out/varunocalc-$version"
rm -rf "$out"
mkdir -p "$source_dir"
# A clean copy: the files under version control and new ones not ignored,
# without build trees; outside a git checkout, everything but build trees.
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
      [ -e "$file" ] && printf '%s\0' "$file"
    done |
    tar -c --null -T - | tar -x -C "$source_dir"
else
  tar -c --exclude-vcs --exclude='./build*' . | tar -x -C "$source_dir"
fi

(cd "$source_dir" && dpkg-buildpackage -us -uc -J"$(nproc)")

changes=$(ls "$out"/varunocalc_"$version"_*.changes)
# The first release closes no bug report: it is no upload to Debian's
# archive, so there is none to close.
lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$changes"
deb=$(ls "$out"/varunocalc_"$version"_*.deb)
echo "Built $deb; install it with: sudo apt install ./$deb"
