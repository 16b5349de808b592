#!/usr/bin/env bash
# Checks the Debian package as a distributor does: its contents and the
# installed games on a real display, lintian, the AppStream metadata and the
# desktop entries; then builds it again from a copy of the sources in another
# folder, which must give the same bytes.
#
#   check_package.sh PACKAGE
set -u
package=$(realpath "$1")
. "$(dirname "$0")/display_helpers.sh" dpkg-deb
cd "$(dirname "$0")/.."

tests/check_install.sh --deb "$package" || status=1
lintian --fail-on error,warning "$package" || fail lintian
dpkg-deb -x "$package" "$scratch/root"
appstreamcli validate --no-net --strict "$scratch"/root/usr/share/metainfo/*.xml || status=1
desktop-file-validate "$scratch"/root/usr/share/applications/*.desktop || status=1

copy=$scratch/elsewhere/sources
mkdir -p "$copy"
git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$copy"
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
(cd "$copy" && ./go package >/dev/null) || { echo "FAIL: the second build"; exit 1; }
sha256sum "$package" "$copy"/build-release/*.deb
[ "$(sha256sum <"$package")" = "$(sha256sum <"$copy"/build-release/*.deb)" ] \
    || fail "two builds of the same sources differ"
[ $status -eq 0 ] && echo "package: clean by lintian, appstreamcli and desktop-file-validate; reproducible"
exit $status
