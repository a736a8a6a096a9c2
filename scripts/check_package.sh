#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built, the way a user would meet it: unpacks it into a
# scratch folder and checks its control data, both programs and their links, the profiles, the desktop
# entry, the metainfo, the icons and the manual page; lists the demo ROM with the unpacked skirmela-moves;
# starts the unpacked editor on a virtual display, opens the demo ROM through its file dialog and ends it
# with a signal. Run as root, the programs run as the user nobody against the root-owned unpacked tree, as
# for an installed package. PACKAGE_BUILD_DIR may be set by the caller (default build-package).
set -euo pipefail
cd "$(dirname "$0")/.."

# check_editor ROOT ROM SCREENSHOT [RUN_AS...]: on the display $DISPLAY, starts the unpacked editor, waits
# for its window, opens ROM through Load Rom... and its file dialog, and ends the editor with a signal.
check_editor() {
  local root=$1 rom=$2 screenshot=$3
  shift 3
  local title="Skirmela Professional $version" pid window= dialog= opened= status=0
  QT_QPA_PLATFORM=xcb "$@" "$root/usr/bin/skirmela" >"$scratch/editor.log" 2>&1 &
  pid=$!
  for _ in $(seq 1 100); do
    window=$(xdotool search --name "^$title\$" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.2
  done
  if [ -z "$window" ]; then
    echo "  no window titled \"$title\" within 20 s; the editor said:"
    sed 's/^/    /' "$scratch/editor.log"
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return 1
  fi
  echo "  the editor shows its window \"$title\""
  # Load Rom..., then the file name typed into the file dialog.
  xdotool windowfocus --sync "$window" mousemove --window "$window" 116 196 click 1
  for _ in $(seq 1 50); do
    dialog=$(xdotool search --name '^Open a Pokemon Advance ROM\.\.\.$' 2>/dev/null | head -1 || true)
    [ -n "$dialog" ] && break
    sleep 0.2
  done
  if [ -z "$dialog" ]; then
    echo "  Load Rom... opened no file dialog"
    status=1
  else
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 2 "$rom"
    xdotool key Return
    for _ in $(seq 1 50); do
      xwininfo -root -tree 2>/dev/null | grep -qF "\"$title - SKDM\"" && { opened=yes; break; }
      sleep 0.2
    done
    if [ -n "$opened" ]; then
      echo "  the editor opened the demo ROM with its installed profile (\"$title - SKDM\")"
    else
      echo "  the editor did not open the demo ROM; its windows:"
      xwininfo -root -tree 2>/dev/null | grep '"' | grep -v '^ *0x[0-9a-f]* "skirmela":\|Selection Owner' || true
      status=1
    fi
  fi
  import -window root "$screenshot" 2>/dev/null || true
  # Closing the window asks for a farewell message box; a signal ends the program at once.
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
  return $status
}

dir=${PACKAGE_BUILD_DIR:-build-package}
version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
app_id=org.skirmela.Professional
failures=0 passed=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
ok() {
  echo "ok: $*"
  passed=$((passed + 1))
}

shopt -s nullglob
debs=("$dir"/skirmela_*.deb)
shopt -u nullglob
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: expected one package in $dir, found ${#debs[@]}"; exit 1; }
deb=${debs[0]}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
lib=$root/usr/lib/skirmela

# Control data: named and versioned after the project, dependencies found from the programs' libraries.
[ "$(basename "$deb")" = "skirmela_${version}_$(dpkg --print-architecture).deb" ] &&
  ok "package file $(basename "$deb")" || fail "package file $(basename "$deb") is not named after version $version"
[ "$(dpkg-deb -f "$deb" Package)" = skirmela ] || fail "package name $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
case $depends in
*libqt6widgets6*libstdc++6* | *libstdc++6*libqt6widgets6*) ok "depends: $depends" ;;
*) fail "dependencies not found from the libraries: \"$depends\"" ;;
esac

# Both programs in one folder with Data/, reached through relative links in usr/bin.
for program in skirmela skirmela-moves; do
  link=$root/usr/bin/$program
  if [ ! -L "$link" ]; then
    fail "usr/bin/$program is no link"
  elif [ "$(readlink -f "$link")" != "$(readlink -f "$lib/$program")" ] || [ ! -x "$lib/$program" ]; then
    fail "usr/bin/$program does not lead to the program in usr/lib/skirmela"
  elif [[ $(readlink "$link") = /* ]]; then
    fail "usr/bin/$program links to an absolute path"
  else
    ok "usr/bin/$program -> $(readlink "$link")"
  fi
done

# Every profile of the source tree, unchanged.
profiles=0
for profile in Data/*.ini; do
  if cmp -s "$profile" "$lib/Data/$(basename "$profile")"; then
    profiles=$((profiles + 1))
  else
    fail "profile $(basename "$profile") missing or changed in usr/lib/skirmela/Data"
  fi
done
[ "$profiles" -gt 0 ] && [ "$profiles" -eq "$(ls Data/*.ini | wc -l)" ] && ok "$profiles profiles in usr/lib/skirmela/Data"

# Desktop entry and metainfo, checked by the desktop's own validators.
desktop=$root/usr/share/applications/$app_id.desktop
before=$failures
if [ ! -f "$desktop" ]; then
  fail "no desktop entry $app_id.desktop"
else
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
  grep -qx 'Name=Skirmela Professional' "$desktop" || fail "the desktop entry is not named Skirmela Professional"
  grep -qE '^Categories=(.*;)?Development;' "$desktop" || fail "the desktop entry is not in the Development category"
  grep -qx 'Exec=skirmela' "$desktop" || fail "the desktop entry does not start skirmela without arguments"
  grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
  [ "$failures" -eq "$before" ] && ok "desktop entry"
fi
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
before=$failures
if [ ! -f "$metainfo" ]; then
  fail "no metainfo $app_id.metainfo.xml"
else
  appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.txt" 2>&1 ||
    { cat "$scratch/appstream.txt"; fail "appstreamcli rejects the metainfo"; }
  grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
  [ "$failures" -eq "$before" ] && ok "metainfo"
fi

# The icons: the window icon enlarged pixel for pixel, at each size of the hicolor theme.
for size in 16 32 48 128; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  if [ ! -f "$icon" ]; then
    fail "no ${size}x${size} icon"
    continue
  fi
  convert editor/resources/window_icon.xpm -sample "${size}x${size}" "$scratch/expected.png"
  differing=$(compare -metric AE "$scratch/expected.png" "$icon" null: 2>&1 || true)
  dims=$(identify -format '%wx%h' "$icon")
  if [ "$dims" != "${size}x${size}" ] || [ "$differing" != 0 ]; then
    fail "the ${size}x${size} icon is $dims and differs from the window icon in $differing pixels"
  else
    ok "${size}x${size} icon"
  fi
done

# The manual page: the source page, compressed, and rendered by man without a warning.
man_page=$root/usr/share/man/man1/skirmela-moves.1.gz
if [ ! -f "$man_page" ]; then
  fail "no manual page skirmela-moves.1.gz"
elif ! zcat "$man_page" | cmp -s - tools/skirmela_moves/skirmela-moves.1; then
  fail "the installed manual page differs from tools/skirmela_moves/skirmela-moves.1"
else
  warnings=$(zcat "$man_page" | groff -man -ww -z 2>&1)
  [ -z "$warnings" ] || fail "groff warns about the manual page: $warnings"
  before=$failures
  MANWIDTH=80 man -l "$man_page" 2>/dev/null | grep -q 'EXIT STATUS' || fail "man cannot render the manual page"
  [ -z "$warnings" ] && [ "$failures" -eq "$before" ] && ok "manual page"
fi

# The programs run as a user who cannot write the installed tree (nobody, when this runs as root).
run_as=()
if [ "$(id -u)" -eq 0 ]; then
  run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# The demo ROM, its profile beside the unpacked programs. A profile with the same game code beside the link
# points outside the ROM: a program that looked for Data beside the link instead of its real path fails.
rom=$scratch/skirmela-demo.gba
if ! cmake --build "$dir" --target make_demo_rom >"$scratch/make.log" 2>&1 ||
  ! "$dir"/bin/make_demo_rom "$rom" "$lib/Data" >"$scratch/make.log" 2>&1; then
  fail "cannot make the demo ROM: $(tail -5 "$scratch/make.log")"
  echo "package: $passed passed, $failures failed"
  exit 1
fi
chmod 644 "$rom" "$lib/Data/SKDM.ini"
mkdir -p "$root/usr/bin/Data"
printf '[Nameoffset]\r\noffset=900000000\r\n[Dataoffset]\r\noffset=900000000\r\n' >"$root/usr/bin/Data/SKDM.ini"
"$dir"/bin/skirmela-moves list "$rom" --data "$lib/Data" >"$scratch/expected-list.txt" || true
if ! "${run_as[@]}" "$root/usr/bin/skirmela-moves" list "$rom" >"$scratch/list.txt" 2>"$scratch/list-errors.txt"; then
  fail "the unpacked skirmela-moves cannot list the demo ROM: $(cat "$scratch/list-errors.txt")"
elif ! cmp -s "$scratch/expected-list.txt" "$scratch/list.txt" || [ "$(wc -l <"$scratch/list.txt")" -lt 300 ]; then
  fail "the unpacked skirmela-moves lists the demo ROM differently ($(wc -l <"$scratch/list.txt") lines)"
else
  ok "the unpacked skirmela-moves lists the demo ROM's $(($(wc -l <"$scratch/list.txt") - 1)) moves"
fi
"${run_as[@]}" "$root/usr/bin/skirmela-moves" --help | grep -q '^usage: skirmela-moves' ||
  fail "the unpacked skirmela-moves shows no usage text"

# The editor on a virtual display, with a home of its own for what it stores.
home=$scratch/home
mkdir -p "$home"
[ ${#run_as[@]} -eq 0 ] || chown nobody:nogroup "$home"
screenshot=$dir/editor-window.png
# A display of its own: Xvfb picks a free number and writes it once it accepts clients; -ac lets the user
# nobody connect without the cookie.
Xvfb -displayfd 3 -ac -nolisten tcp -screen 0 800x600x24 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 1 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
if [ ! -s "$scratch/display" ]; then
  fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
elif DISPLAY=:$(head -1 "$scratch/display") check_editor "$root" "$rom" "$screenshot" "${run_as[@]}" \
  env HOME="$home"; then
  ok "the unpacked editor shows its window and opens the demo ROM (screenshot: $screenshot)"
else
  fail "the unpacked editor (screenshot: $screenshot)"
fi

echo "package: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
