#!/bin/sh
# Installs the built program into a temporary prefix, as the README does, and checks the
# installed tree: the desktop entry, the icons, the file types, the manual page, the data
# files, and that running the program writes nothing under the prefix.
# Usage: check_install.sh BUILD_DIR
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "check_install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" --strip >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; }
share=$prefix/share

# The program, stripped, on the PATH of the prefix; it answers without a display.
[ -x "$prefix/bin/tarnwick" ] || fail "bin/tarnwick missing"
case $(file -L "$prefix/bin/tarnwick") in
  *"not stripped"*) fail "bin/tarnwick is not stripped" ;;
esac
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tarnwick" --version)
[ "$version" = "tarnwick 3.0" ] || fail "--version printed: $version"

# The desktop entry validates with nothing to say, and opens the two file types.
entry=$share/applications/tarnwick.desktop
[ -f "$entry" ] || fail "desktop entry missing"
hints=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $hints"
[ -z "$hints" ] || fail "desktop-file-validate: $hints"
grep -qx 'Exec=tarnwick %f' "$entry" || fail "the desktop entry does not take a file"
grep -q '^MimeType=.*application/x-tarnwick-course;' "$entry" || fail "no course type"
grep -q '^MimeType=.*application/x-tarnwick-handicap;' "$entry" || fail "no handicap type"

# Icons at every size of the theme, each as large as its folder says, and a scalable one.
for size in 16 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/tarnwick.png
  [ -f "$icon" ] || fail "icon ${size}x${size} missing"
  actual=$(identify -format '%wx%h' "$icon")
  [ "$actual" = "${size}x${size}" ] || fail "icon ${size}x${size} is $actual"
done
svg=$share/icons/hicolor/scalable/apps/tarnwick.svg
xmllint --noout "$svg" || fail "scalable icon is not well-formed"

# The file types: the XML is installed and the shared MIME database takes it.
xml=$share/mime/packages/tarnwick.xml
xmllint --noout "$xml" || fail "MIME XML is not well-formed"
update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database refused it"
grep -q '^application/x-tarnwick-course:\*\.crs$' "$share/mime/globs" || fail "*.crs not registered"
grep -q '^application/x-tarnwick-handicap:\*\.hcp$' "$share/mime/globs" || fail "*.hcp not registered"

# The manual page renders without warnings.
page=$share/man/man1/tarnwick.1
[ -f "$page" ] || fail "manual page missing"
warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man: $warnings"
[ -z "$warnings" ] || fail "man: $warnings"

# Sounds and help in share/tarnwick.
for f in teeshot.wav putt.wav crowd.wav Tarnwk30.HLP; do
  [ -f "$share/tarnwick/$f" ] || fail "share/tarnwick/$f missing"
done

# A first run of the installed program writes only into the user's own folders.
home=$work/home
mkdir -p "$home"
touch "$work/before"
sleep 1
HOME=$home XDG_DATA_HOME= XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen \
  "$prefix/bin/tarnwick" --exit-when-shown >/dev/null 2>&1 || fail "the installed program did not start"
changed=$(find "$prefix" -newer "$work/before" ! -path "$share/mime/*" -print)
[ -z "$changed" ] || fail "the program wrote under the prefix: $changed"
[ -f "$home/.local/share/tarnwick/trivia.dat" ] || fail "trivia.dat not in the user's data folder"
echo "check_install: the installed tree is complete"
