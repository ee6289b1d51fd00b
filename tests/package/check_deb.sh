#!/usr/bin/env bash
# Builds the Debian package in a build folder, unpacks it into a temporary
# root (installing it would change this machine) and checks what it would
# install: the programs, the desktop entry, the icons and the AppStream
# metadata, each as the desktop's own tools validate them.
#
#     tests/package/check_deb.sh build/release
#
# The build folder must be built; cpack installs from it.
set -euo pipefail

build=$(realpath "${1:?usage: check_deb.sh BUILD_FOLDER}")
id=io.github.pitwright.Pitwright
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() {
    echo "ok:   $*"
}

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
}
debs=("$work"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: expected one .deb, found: ${debs[*]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

# The control fields, and the dependencies found from the linked libraries.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pitwright ] && pass "package name" || fail "package name is '$(field Package)'"
[ "$(field Section)" = science ] && pass "section" || fail "section is '$(field Section)'"
version=$(field Version)
depends=$(field Depends)
for library in libqt6widgets6 libcups2; do
    if grep -q "\b$library\b" <<<"$depends"; then
        pass "depends on $library"
    else
        fail "no dependency on $library in: $depends"
    fi
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
usr="$root/usr"

[ -x "$usr/bin/pitwright" ] && pass "bin/pitwright" || fail "bin/pitwright missing"
if missing=$(ldd "$usr/bin/pitwright" | grep "not found"); then
    fail "libraries of bin/pitwright not found: $missing"
else
    pass "libraries of bin/pitwright found"
fi
# The print system's client, loaded on the first print.
module=$(find "$usr/lib" -name libpitwright_cups.so -path '*/pitwright/*' | head -n 1)
if [ -n "$module" ] && ! ldd "$module" | grep -q "not found"; then
    pass "printing module ${module#"$root"}"
else
    fail "printing module missing or its libraries not found"
fi

desktop="$usr/share/applications/$id.desktop"
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" && pass "desktop-file-validate" || fail "desktop-file-validate"
    grep -qx 'Exec=pitwright %f' "$desktop" && pass "Exec passes a file" || fail "Exec line"
    grep -qx "Icon=$id" "$desktop" && pass "Icon" || fail "Icon line"
    ! grep -q '^MimeType=' "$desktop" && pass "no MIME type claimed" || fail "claims a MIME type"
else
    fail "share/applications/$id.desktop missing"
fi

icons="$usr/share/icons/hicolor"
[ -f "$icons/scalable/apps/$id.svg" ] && pass "scalable icon" || fail "scalable icon missing"
for size in 16 32 48 64 128 256; do
    png="$icons/${size}x${size}/apps/$id.png"
    if [ -f "$png" ] && file "$png" | grep -q "PNG image data, $size x $size,"; then
        pass "${size}x${size} icon"
    else
        fail "${size}x${size} icon missing or of another size"
    fi
done

metainfo="$usr/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" && pass "appstreamcli validate" ||
        fail "appstreamcli validate"
    # The launchable and the icon, found in the unpacked tree.
    appstreamcli validate-tree --no-net "$root" && pass "appstreamcli validate-tree" ||
        fail "appstreamcli validate-tree"
    newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
    [ "$newest" = "${version%%-*}" ] && pass "newest release $newest is the package's" ||
        fail "newest release in the metadata is '$newest', the package is $version"
else
    fail "share/metainfo/$id.metainfo.xml missing"
fi

# ---- The programs answering. ----
# The window's program, without a display.
if output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    XDG_RUNTIME_DIR="$work" "$usr/bin/pitwright" --version 2>/dev/null) &&
    [ "$output" = "pitwright ${version%%-*}" ]; then
    pass "pitwright --version: $output"
else
    fail "pitwright --version said '${output:-}'"
fi
cli="$usr/bin/pitwright-cli"
if [ -x "$cli" ]; then
    pass "bin/pitwright-cli"
    if missing=$(ldd "$cli" | grep "not found"); then
        fail "libraries of bin/pitwright-cli not found: $missing"
    fi
    # No display: the command line must not need one.
    if output=$(env -u DISPLAY -u WAYLAND_DISPLAY "$cli" --version) &&
        [ "$output" = "pitwright-cli ${version%%-*}" ]; then
        pass "pitwright-cli --version: $output"
    else
        fail "pitwright-cli --version said '${output:-}'"
    fi
    # A sweep of one design: a header and one row of results with the
    # window's berm width, the catch berm check and no reason, exit status 0,
    # nothing on stderr.
    printf '%s\r\n' \
        'convention,slope height,bench height,benches per stack,crest-to-toe,toe-to-toe,stack angle,bench angle' \
        'crest-to-toe,100,10,5,45,,60,75' >"$work/designs.csv"
    if env -u DISPLAY -u WAYLAND_DISPLAY "$cli" sweep "$work/designs.csv" \
        -o "$work/results.csv" 2>"$work/sweep.err" &&
        [ "$(grep -c . "$work/results.csv")" -eq 2 ] &&
        tail -n 1 "$work/results.csv" | grep -q ',42.26,3.87,meets,14.5,+27.76,54.2,,'$'\r''$' &&
        [ ! -s "$work/sweep.err" ]; then
        pass "pitwright-cli sweep of one design"
    else
        fail "pitwright-cli sweep of one design"
        cat "$work/sweep.err" "$work/results.csv" >&2 2>/dev/null || true
    fi
else
    fail "bin/pitwright-cli missing"
fi
# ---- end of the programs' checks ----

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) of the package failed" >&2
    exit 1
fi
echo "the package checks out"
