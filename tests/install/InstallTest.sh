#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the installed layout and desktop files,
# and starts the installed program from its launcher, offscreen, with a read-only program
# folder and user folders of its own, as a user other than root would.
# usage: InstallTest.sh BUILD_DIR CMAKE [DESKTOP_FILE_VALIDATE] [APPSTREAMCLI]
# A validator given as empty or *-NOTFOUND is not run.
set -euo pipefail
build=${1:?build dir}
cmake=${2:?cmake}
desktop_validate=${3:-}
appstream=${4:-}
app_id=com.example.velm

tmp=$(mktemp -d "${TMPDIR:-/tmp}/velm-install.XXXXXX")
chmod 755 "$tmp"
prefix=$tmp/prefix
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    chmod -R u+w "$tmp" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
expect_file() {
    [ -f "$prefix/$1" ] || fail "$1 is not installed"
}

"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" || {
    cat "$tmp/install.log"
    exit 1
}

# The programs and their companions side by side, every program of the ready folder among
# them, and the launchers as links into that folder.
for file in velm Blent.exe velm.htm velm.installed; do
    expect_file "lib/velm/$file"
done
for file in "$build"/velm/*; do
    [ -f "$file" ] && [ -x "$file" ] && expect_file "lib/velm/$(basename "$file")"
done
for launcher in velm velm-convert; do
    [ -e "$prefix/lib/velm/$launcher" ] || continue
    [ -L "$prefix/bin/$launcher" ] || fail "bin/$launcher is no link"
    [ "$(readlink -f "$prefix/bin/$launcher")" = "$(readlink -f "$prefix/lib/velm/$launcher")" ] ||
        fail "bin/$launcher does not lead to lib/velm/$launcher"
done

# The desktop files, all named by the application ID.
desktop=share/applications/$app_id.desktop
metainfo=share/metainfo/$app_id.metainfo.xml
for file in "$desktop" "$metainfo" share/icons/hicolor/scalable/apps/$app_id.svg \
    share/icons/hicolor/48x48/apps/$app_id.png share/icons/hicolor/256x256/apps/$app_id.png \
    share/doc/velm/velm.htm; do
    expect_file "$file"
done
grep -qx "Exec=$prefix/bin/velm" "$prefix/$desktop" || fail "the desktop entry does not start bin/velm"
grep -qx "Name=VELM 住所録" "$prefix/$desktop" || fail "the desktop entry has another name"
grep -qx "Categories=Office;ContactManagement;" "$prefix/$desktop" || fail "wrong categories"
if [[ -n "$desktop_validate" && "$desktop_validate" != *NOTFOUND ]]; then
    "$desktop_validate" "$prefix/$desktop" || fail "desktop-file-validate"
else
    echo "desktop-file-validate not found: not run"
fi
if [[ -n "$appstream" && "$appstream" != *NOTFOUND ]]; then
    "$appstream" validate --no-net "$prefix/$metainfo" || fail "appstreamcli validate"
else
    echo "appstreamcli not found: not run"
fi

# Started from its launcher, the installed program makes its data folder and runs. Root
# writes into read-only folders, so root runs it as nobody where nobody can run programs.
chmod -R a-w "$prefix/lib/velm"
user=$tmp/user
mkdir -p "$user/home"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    if "${nobody[@]}" true 2>/dev/null; then
        chown -R nobody "$user"
        as_user=("${nobody[@]}")
    else
        echo "nobody cannot run programs here: root runs the program, which must still write nothing beside itself"
    fi
fi
listing_before=$(ls -la "$prefix/lib/velm")
"${as_user[@]}" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$user/home" \
    XDG_DATA_HOME="$user/data" XDG_STATE_HOME="$user/state" XDG_RUNTIME_DIR="$user" \
    QT_QPA_PLATFORM=offscreen "$prefix/bin/velm" >"$tmp/run.log" 2>&1 &
program=$!
for _ in $(seq 100); do
    [ -d "$user/data/velm" ] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.2
done
[ -d "$user/data/velm" ] || fail "the installed program made no folder in XDG_DATA_HOME"
sleep 1
kill -0 "$program" 2>/dev/null || fail "the installed program did not keep running"
[ "$(ls -la "$prefix/lib/velm")" = "$listing_before" ] || fail "the program folder changed"
[ -e "$user/home/.local/share/velm" ] && fail "the default folder was used despite XDG_DATA_HOME"

if [ "$failures" -ne 0 ]; then
    echo "--- program output:"
    cat "$tmp/run.log"
    exit 1
fi
echo "installed layout, desktop files and start from the launcher: fine"
