#!/usr/bin/env bash
# The .deb that cpack builds, unpacked as dpkg would put it in place: its
# name and control fields, a dependency on the package of every library the
# programs load and of the run-time plugins the linker cannot see, exactly
# the files an installation needs, entries the desktop's validators accept,
# a database the installed tool accepts, and manual pages that render. Every
# fault found is printed.
# Arguments: the build folder, the version, the cpack program.
set -uo pipefail
build=$1 version=$2 cpack=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" || exit 1
arch=$(dpkg --print-architecture)
deb=$out/kolvira_${version}_$arch.deb
[[ $(echo "$out"/*.deb) == "$deb" ]] || { fail "package made: $(echo "$out"/*.deb)"; exit 1; }
root=$out/root
dpkg-deb -x "$deb" "$root" || exit 1
field() { dpkg-deb --field "$deb" "$1"; }

fields="$(field Package) $(field Version) $(field Architecture)"
[[ $fields == "kolvira $version $arch" ]] || fail "control fields: $fields"
# dpkg keeps an administrator's changes to the autostart entry on upgrade.
diff <(echo /etc/xdg/autostart/kolvira.desktop) <(dpkg-deb --info "$deb" conffiles) ||
    fail "conffiles"

# Each shared library a program names is owned, on this machine, by a
# package the .deb depends on (alternatives included, versions left out).
depends=$(field Depends | tr ',|' '\n' | sed 's/(.*//; s/^ *//; s/ *$//')
for plugin in libqt6sql6-sqlite libqt6svg6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
    libtimezonemap-data iso-codes sound-theme-freedesktop; do
    grep -qxF "$plugin" <<<"$depends" || fail "no dependency on $plugin"
done
libraries=$(readelf -d "$root/usr/bin/kolvira" "$root/usr/bin/kolvira-db" |
    sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort -u)
[[ -n $libraries ]] || fail "the programs name no library"
for library in $libraries; do
    owners=$(dpkg -S "*/$library" 2>&1)
    cut -d: -f1 <<<"$owners" | grep -qxF -f <(echo "$depends") ||
        fail "no dependency for $library from $owners"
done

# Programs marked (x); nothing else is executable.
expected="etc/xdg/autostart/kolvira.desktop usr/bin/kolvira(x) usr/bin/kolvira-db(x)
usr/share/applications/kolvira.desktop usr/share/doc/kolvira/README.md
usr/share/doc/kolvira/udhezuesi.md usr/share/man/man1/kolvira.1.gz usr/share/man/man1/kolvira-db.1.gz
usr/share/doc/kolvira/copyright usr/share/icons/hicolor/scalable/apps/kolvira.svg
usr/share/kolvira/kolvira.db usr/share/metainfo/org.kolvira.Kolvira.metainfo.xml"
for size in 16 22 24 32 48 64 128 256; do
    expected+=" usr/share/icons/hicolor/${size}x$size/apps/kolvira.png"
done
diff <(tr ' ' '\n' <<<"$expected" | sort) \
    <(cd "$root" && find . -type f \( -perm /111 -printf '%P(x)\n' -o -printf '%P\n' \) | sort) ||
    fail "files in the package"

# Run in the unpacked tree; the tree form also checks that the metainfo's
# launchable entry is installed. Hints are advice; warnings and errors are faults.
cd "$root" || exit 1
for command in "desktop-file-validate usr/share/applications/kolvira.desktop" \
    "desktop-file-validate etc/xdg/autostart/kolvira.desktop" \
    "appstreamcli validate-tree --no-net --strict ." \
    "usr/bin/kolvira-db check usr/share/kolvira/kolvira.db"; do
    printed=$($command 2>&1) && ! grep -qE 'warning:|error:' <<<"$printed" ||
        fail "$command: $printed"
done
# Each command has its manual page, which man renders without a warning; the
# program answers --help and --version in Albanian without a display.
for page in kolvira kolvira-db; do
    printed=$(zcat "usr/share/man/man1/$page.1.gz" | groff -K utf8 -man -ww -z 2>&1) &&
        [[ -z $printed ]] || fail "man page $page: $printed"
done
[[ $(env -u DISPLAY usr/bin/kolvira --version) == "kolvira $version" ]] || fail "kolvira --version"
env -u DISPLAY usr/bin/kolvira --help | grep -q '^Përdorimi: .*kolvira \[mundësitë\]$' || fail "kolvira --help"
exit $status
