#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and checks it: lintian finds no error or warning,
# the run-time Depends are there, the binaries are stripped, and the bin/ link stays out.
# Usage: deb_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$scratch"/liorna_*_*.deb)
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in fonts-liberation2 fonts-dejavu-core qt6-qpa-plugins qt6-translations-l10n libpulse0 libqt6multimedia6 \
    libavformat; do
    grep -q "$p" <<<"$depends" || fail "Depends lacks $p"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"

files=$(dpkg-deb -c "$deb")
grep -q ' ./usr/games/liorna$' <<<"$files" || fail "no /usr/games/liorna"
grep -q ' ./usr/share/doc/liorna/changelog.Debian.gz$' <<<"$files" || fail "no changelog.Debian.gz"
grep -q ' ./usr/share/doc/liorna/copyright$' <<<"$files" || fail "no copyright"
if grep -q './usr/bin/' <<<"$files"; then fail "the package has /usr/bin"; fi
dpkg-deb -x "$deb" "$scratch/root"
for f in usr/games/liorna usr/lib/games/liorna/liorna-clip.so; do
    file "$scratch/root/$f" | grep -q ', stripped' || fail "$f is not stripped"
done

# lintian refuses nothing as root but says so on stderr; only its tags matter here.
tags=$(lintian "$deb" 2>/dev/null) || true
echo "${tags:-lintian: no tags}"
if grep -E '^(E|W):' <<<"$tags"; then fail "lintian reports errors or warnings"; fi
