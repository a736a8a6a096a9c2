#!/usr/bin/env bash
# Checks the two Debian packages that scripts/package.sh built, the way a user meets them: their control
# data and their whole file lists, lintian, that their dependencies resolve on a bare Debian 12, the
# hardening of the programs, and that the command-line tool does not link Qt. Then installs both into a
# scratch root with dpkg (run as root; otherwise they are only unpacked there) and checks the installed
# files: links, profiles, desktop entry, metainfo, file type, icons, manual pages, copyright and changelog.
# Then the programs run as the user nobody against the root-owned tree, as for an installed package:
# skirmela-make-demo-rom writes a demo ROM whose profile lands in the user's folder only, skirmela-moves
# lists it and a ROM of a shipped profile, and the editor, on a virtual display, opens the demo ROM named
# on its command line and the other ROM through its file dialog. As root, the editor also opens a ROM
# without a profile. At the end no program has written into the installed tree, and purging both
# packages leaves nothing of them. PACKAGE_BUILD_DIR may be set by the caller (default build-package).
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${PACKAGE_BUILD_DIR:-build-package}
version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
revision=$(sed -n 's/^set(SKIRMELA_DEB_REVISION \([0-9]*\))/\1/p' CMakeLists.txt)
deb_version=$version-$revision
arch=$(dpkg --print-architecture)
app_id=org.skirmela.Professional
title="Skirmela Professional $version"
icon_sizes=(16 24 32 48 64 128 256)
failures=0 passed=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
ok() {
  echo "ok: $*"
  passed=$((passed + 1))
}
finish() {
  echo "package: $passed passed, $failures failed"
  exit $((failures > 0))
}

# The lintian warnings kept, each with its reason. Any other warning, and every error, fails the check.
kept_warnings=(
  # The packages are built here, not uploaded to Debian: there is no bug asking for them to close.
  initial-upload-closes-no-bugs
)

shopt -s nullglob
debs=("$dir"/*.deb)
shopt -u nullglob
moves_deb=$dir/skirmela-moves_${deb_version}_$arch.deb
editor_deb=$dir/skirmela_${deb_version}_$arch.deb
if [ ${#debs[@]} -ne 2 ] || [ ! -f "$moves_deb" ] || [ ! -f "$editor_deb" ]; then
  fail "expected $(basename "$moves_deb") and $(basename "$editor_deb") in $dir, found: ${debs[*]:-none}"
  finish
fi
ok "package files $(basename "$moves_deb") and $(basename "$editor_deb")"
scratch=$(mktemp -d)
xvfb=
trap '[ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"

# Where grep -q reads another program's output, it reads a here-string: on a pipe it may stop reading early,
# which pipefail takes for a failure.

# --- Control data: names, version, the editor's dependency on the tool, library dependencies found from
# the programs, and none on Qt for the tool.
for deb in "$moves_deb" "$editor_deb"; do
  [ "$(dpkg-deb -f "$deb" Version)" = "$deb_version" ] || fail "$(basename "$deb"): version $(dpkg-deb -f "$deb" Version)"
  [ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "$(basename "$deb"): architecture"
done
[ "$(dpkg-deb -f "$moves_deb" Package)" = skirmela-moves ] || fail "package name $(dpkg-deb -f "$moves_deb" Package)"
[ "$(dpkg-deb -f "$editor_deb" Package)" = skirmela ] || fail "package name $(dpkg-deb -f "$editor_deb" Package)"
moves_depends=$(dpkg-deb -f "$moves_deb" Depends)
editor_depends=$(dpkg-deb -f "$editor_deb" Depends)
case $moves_depends in
*[Qq]t*) fail "skirmela-moves depends on Qt: $moves_depends" ;;
*libstdc++6*) ok "skirmela-moves depends: $moves_depends" ;;
*) fail "skirmela-moves: dependencies not found from the programs: \"$moves_depends\"" ;;
esac
if [[ $editor_depends == *libqt6widgets6* && $editor_depends == *"skirmela-moves (= $deb_version)"* ]]; then
  ok "skirmela depends: $editor_depends"
else
  fail "skirmela does not depend on Qt and on skirmela-moves (= $deb_version): \"$editor_depends\""
fi

# --- The whole file list of each package: nothing missing, nothing else (no Data folder beside the programs).
expected_files() { # the paths of package $1, sorted
  local p
  {
    echo "./usr/share/doc/$1/changelog.Debian.gz"
    echo "./usr/share/doc/$1/copyright"
    if [ "$1" = skirmela-moves ]; then
      printf '%s\n' ./usr/bin/skirmela-moves ./usr/bin/skirmela-make-demo-rom ./usr/lib/skirmela/skirmela-moves \
        ./usr/lib/skirmela/make_demo_rom ./usr/share/man/man1/skirmela-moves.1.gz \
        ./usr/share/man/man1/skirmela-make-demo-rom.1.gz
      for p in Data/*.ini; do echo "./usr/share/skirmela/profiles/$(basename "$p")"; done
    else
      printf '%s\n' ./usr/bin/skirmela ./usr/lib/skirmela/skirmela ./usr/share/man/man1/skirmela.1.gz \
        "./usr/share/applications/$app_id.desktop" "./usr/share/metainfo/$app_id.metainfo.xml" \
        "./usr/share/mime/packages/$app_id.xml"
      for p in "${icon_sizes[@]}"; do echo "./usr/share/icons/hicolor/${p}x$p/apps/$app_id.png"; done
    fi
  } | sort
}
for deb in "$moves_deb" "$editor_deb"; do
  package=$(dpkg-deb -f "$deb" Package)
  dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort >"$scratch/files-$package.txt"
  expected_files "$package" >"$scratch/expected-$package.txt"
  if diff -u "$scratch/expected-$package.txt" "$scratch/files-$package.txt" >"$scratch/files.diff"; then
    ok "$package holds its $(wc -l <"$scratch/expected-$package.txt") files and nothing else"
  else
    fail "$package's files differ from the expected list (- missing, + unexpected):"
    grep '^[-+]\.' "$scratch/files.diff" | sed 's/^/    /'
  fi
  # Directories root's, 755; files 644 or 755 for programs.
  odd=$(dpkg-deb -c "$deb" | awk '$2 != "root/root" || ($1 !~ /^(drwxr-xr-x|-rw-r--r--|-rwxr-xr-x|lrwxrwxrwx)$/)')
  [ -z "$odd" ] || fail "$package: owners or modes out of the ordinary: $odd"
done

# --- lintian: no error, no warning but the kept ones.
status=0
lintian --fail-on error,warning --no-tag-display-limit --suppress-tags "$(
  IFS=,
  echo "${kept_warnings[*]}"
)" "$moves_deb" "$editor_deb" >"$scratch/lintian.txt" 2>&1 || status=$?
case $status in
0) ok "lintian: no error, no warning but the kept ones (${kept_warnings[*]})" ;;
1)
  fail "lintian reports:"
  grep -E '^[EW]: ' "$scratch/lintian.txt" | sed 's/^/    /'
  ;;
*) fail "lintian did not run (exit status $status): $(head -5 "$scratch/lintian.txt")" ;;
esac

# --- The dependencies resolve on a bare Debian 12: apt, given a dpkg status that holds only the packages of
# priority required (what a minimal installation has), finds everything both packages need in the archive.
if ! grep -q 'n=bookworm' <<<"$(apt-cache policy 2>/dev/null)"; then
  if [ "$(id -u)" -eq 0 ]; then apt-get update -qq >/dev/null 2>&1 || true; fi
fi
if ! grep -q 'n=bookworm' <<<"$(apt-cache policy 2>/dev/null)"; then
  fail "apt knows no Debian 12 (bookworm) archive to resolve the dependencies against (apt-get update as root)"
else
  # The packages of priority required, and what they need: apt works it out from an empty system.
  stanza() { # the archive's record of each named package, as installed
    apt-cache dumpavail | awk -v names="$1" 'BEGIN { RS = ""; ORS = "\n\n"; split(names, n, " "); for (i in n) want[n[i]] = 1 }
      { split($0, line, "\n"); name = substr(line[1], 10) }
      want[name] && !seen[name]++ {
        out = line[1] "\nStatus: install ok installed"
        for (i = 2; i in line; i++)
          if (line[i] ~ /^(Version|Architecture|Multi-Arch|Essential|Priority|Provides|Depends|Pre-Depends|Breaks|Conflicts): /)
            out = out "\n" line[i]
        print out
      }'
  }
  simulate() { # STATUS PACKAGE...: apt's installation of the packages on a system with that status
    local status=$1
    shift
    : >"$scratch/extended_states"
    apt-get --simulate -o Dir::State::status="$status" -o Dir::State::extended_states="$scratch/extended_states" \
      -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o Debug::NoLocking=1 -o APT::Install-Recommends=false \
      install "$@"
  }
  required=$(apt-cache dumpavail | awk 'BEGIN { RS = "" } /(^|\n)Priority: required(\n|$)/ {
    split($0, line, "\n"); print substr(line[1], 10) }' | sort -u | tr '\n' ' ')
  : >"$scratch/empty-status"
  simulate "$scratch/empty-status" $required >"$scratch/apt-base.txt" 2>&1 || true
  base=$(awk '/^Inst /{ print $2 }' "$scratch/apt-base.txt" | tr '\n' ' ')
  stanza "$base" >"$scratch/bare-status"
  count=$(grep -c '^Package: ' "$scratch/bare-status" || true)
  if [ "$count" -lt 30 ]; then
    fail "no bare Debian 12 to resolve against ($count packages): $(tail -3 "$scratch/apt-base.txt")"
  elif simulate "$scratch/bare-status" "$(realpath "$moves_deb")" "$(realpath "$editor_deb")" >"$scratch/apt.txt" 2>&1 &&
    grep -q '^Inst skirmela-moves ' "$scratch/apt.txt" && grep -q '^Inst skirmela ' "$scratch/apt.txt" &&
    grep -q '^Inst libqt6widgets6' "$scratch/apt.txt"; then
    ok "on Debian 12 with its $count base packages, apt installs both packages and $(($(grep -c '^Inst ' "$scratch/apt.txt") - 2)) from the archive"
  else
    fail "the dependencies do not resolve on a bare Debian 12 ($count base packages):"
    grep -vE '^(Inst|Conf) ' "$scratch/apt.txt" | tail -15 | sed 's/^/    /'
  fi
fi

# --- Install both packages into a scratch root. dpkg there knows only them; the host's dpkg settings
# may leave out documentation, which --path-include takes back.
root=$scratch/root
installed=
if [ "$(id -u)" -eq 0 ]; then
  mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
  : >"$root/var/lib/dpkg/status"
  : >"$root/var/lib/dpkg/available"
  if dpkg --root="$root" --log=/dev/null --force-depends --path-include='*' -i "$moves_deb" "$editor_deb" \
    >"$scratch/dpkg.txt" 2>&1; then
    installed=yes
    ok "dpkg installs both packages"
  else
    fail "dpkg cannot install the packages: $(tail -5 "$scratch/dpkg.txt")"
  fi
else
  echo "note: not root, so the packages are unpacked rather than installed, and purging is not checked"
  dpkg-deb -x "$moves_deb" "$root"
  dpkg-deb -x "$editor_deb" "$root"
fi
lib=$root/usr/lib/skirmela
profiles=$root/usr/share/skirmela/profiles

# --- The programs, reached through relative links in usr/bin.
for link_program in skirmela:skirmela skirmela-moves:skirmela-moves skirmela-make-demo-rom:make_demo_rom; do
  link=$root/usr/bin/${link_program%%:*}
  program=$lib/${link_program#*:}
  if [ ! -L "$link" ]; then
    fail "usr/bin/${link##*/} is no link"
  elif [ "$(readlink -f "$link")" != "$(readlink -f "$program")" ] || [ ! -x "$program" ]; then
    fail "usr/bin/${link##*/} does not lead to $program"
  elif [[ $(readlink "$link") = /* ]]; then
    fail "usr/bin/${link##*/} links to an absolute path"
  else
    ok "usr/bin/${link##*/} -> $(readlink "$link")"
  fi
done

# --- The programs are hardened, and the command-line programs do not link Qt. A program calls fortified
# functions only where the compiler could not prove a copy safe, so that is asked of the programs together.
fortified=()
for program in "$lib"/*; do
  name=$(basename "$program")
  missing=()
  # Whole outputs first: grep -q ending a pipe early would fail it under pipefail.
  header=$(readelf -h "$program") segments=$(readelf -lW "$program") dynamic=$(readelf -dW "$program")
  symbols=$(readelf --dyn-syms -W "$program")
  grep -q 'Type: *DYN' <<<"$header" || missing+=(PIE)
  grep -q GNU_RELRO <<<"$segments" || missing+=(RELRO)
  grep -qE 'BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic" || missing+=(BIND_NOW)
  grep -q ' __stack_chk_fail@' <<<"$symbols" || missing+=(stack-protector)
  ! grep -qE ' __[a-z]+_chk@' <<<"$symbols" || fortified+=("$name")
  if [ ${#missing[@]} -gt 0 ]; then
    fail "$name is built without ${missing[*]}"
  else
    ok "$name is hardened (PIE, RELRO, BIND_NOW, stack protector)"
  fi
done
[ ${#fortified[@]} -gt 0 ] && ok "fortified functions in ${fortified[*]}" || fail "no program calls fortified functions"
for program in skirmela-moves make_demo_rom; do
  qt=$(readelf -dW "$lib/$program" | grep NEEDED | grep -i qt || true)
  [ -z "$qt" ] && ok "$program links no Qt" || fail "$program links Qt: $qt"
done

# --- Every profile of the source tree, unchanged, where the shipped profiles go.
count=0
for profile in Data/*.ini; do
  if cmp -s "$profile" "$profiles/$(basename "$profile")"; then
    count=$((count + 1))
  else
    fail "profile $(basename "$profile") missing or changed in /usr/share/skirmela/profiles"
  fi
done
[ "$count" -gt 0 ] && [ "$count" -eq "$(ls Data/*.ini | wc -l)" ] && ok "$count profiles in /usr/share/skirmela/profiles"

# --- Desktop entry, metainfo and the file type, checked by the desktop's own tools.
desktop=$root/usr/share/applications/$app_id.desktop
before=$failures
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
grep -qx 'Name=Skirmela Professional' "$desktop" || fail "the desktop entry is not named Skirmela Professional"
grep -qE '^Categories=(.*;)?Development;' "$desktop" || fail "the desktop entry is not in the Development category"
grep -qx 'Exec=skirmela %f' "$desktop" || fail "the desktop entry does not pass a file to skirmela"
grep -qx 'MimeType=application/x-gba-rom;' "$desktop" || fail "the desktop entry does not open application/x-gba-rom"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
[ "$failures" -eq "$before" ] && ok "desktop entry"
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
before=$failures
appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.txt" 2>&1 ||
  { cat "$scratch/appstream.txt"; fail "appstreamcli rejects the metainfo"; }
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $app_id.desktop"
[ "$failures" -eq "$before" ] && ok "metainfo"
# The file type alone, in a MIME database of its own: a ROM file name gets it.
mkdir -p "$scratch/mime/packages"
cp "$root/usr/share/mime/packages/$app_id.xml" "$scratch/mime/packages/"
if update-mime-database "$scratch/mime" >"$scratch/mime.txt" 2>&1 &&
  grep -q '^application/x-gba-rom:\*\.gba$' "$scratch/mime/globs"; then
  ok "the file type application/x-gba-rom for *.gba"
else
  fail "the MIME entry does not give *.gba the type application/x-gba-rom: $(cat "$scratch/mime.txt")"
fi

# --- The icons: the 16-pixel one is the window icon; every larger one is drawn at its size, with smooth
# edges, not the 16-pixel picture enlarged.
for size in "${icon_sizes[@]}"; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  convert editor/resources/window_icon.xpm -sample "${size}x${size}" "$scratch/enlarged.png"
  differing=$(compare -metric AE "$scratch/enlarged.png" "$icon" null: 2>&1 || true)
  dims=$(identify -format '%wx%h' "$icon")
  colours=$(identify -format '%k' "$icon")
  corner=$(convert "$icon" -format '%[fx:int(255*p{0,0}.a)]' info:)
  if [ "$dims" != "${size}x$size" ] || [ "$corner" != 0 ]; then
    fail "the ${size}x$size icon is $dims with a corner of opacity $corner"
  elif [ "$size" -eq 16 ] && [ "$differing" != 0 ]; then
    fail "the 16x16 icon differs from the window icon in $differing pixels"
  elif [ "$size" -gt 16 ] && { [ "$differing" -lt $((size * size / 20)) ] || [ "$colours" -lt 32 ]; }; then
    fail "the ${size}x$size icon looks enlarged: $colours colours, $differing pixels unlike the enlarged window icon"
  else
    ok "${size}x$size icon ($colours colours)"
  fi
done

# --- Manual pages: the source pages, compressed, rendered by man without a warning.
for page in tools/skirmela_moves/skirmela-moves.1 packaging/skirmela.1 packaging/skirmela-make-demo-rom.1; do
  installed_page=$root/usr/share/man/man1/$(basename "$page").gz
  if ! zcat "$installed_page" | cmp -s - "$page"; then
    fail "the installed manual page $(basename "$page") differs from $page"
    continue
  fi
  warnings=$(zcat "$installed_page" | groff -man -ww -z 2>&1)
  if [ -n "$warnings" ]; then
    fail "groff warns about $(basename "$page"): $warnings"
  elif ! grep -q 'EXIT STATUS' <<<"$(MANWIDTH=80 man -l "$installed_page" 2>/dev/null)"; then
    fail "man cannot render $(basename "$page")"
  else
    ok "manual page $(basename "$page")"
  fi
done

# --- Copyright (machine-readable) and changelog, whose latest entry is this version.
for package in skirmela-moves skirmela; do
  doc=$root/usr/share/doc/$package
  before=$failures
  cmp -s packaging/copyright "$doc/copyright" || fail "$package: the copyright file differs from packaging/copyright"
  head -1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "$package: the copyright file is not machine-readable"
  zcat "$doc/changelog.Debian.gz" | cmp -s - packaging/changelog ||
    fail "$package: changelog.Debian.gz differs from packaging/changelog"
  latest=$(dpkg-parsechangelog -l packaging/changelog -S Version)
  [ "$latest" = "$deb_version" ] || fail "the changelog's latest entry is $latest, the package $deb_version"
  [ "$failures" -eq "$before" ] && ok "$package: copyright and changelog $latest"
done

# --- The programs as a user who cannot write the installed tree (nobody, when this runs as root), with a
# home of their own. What the tree holds now must still be all it holds after they ran.
run_as=()
if [ "$(id -u)" -eq 0 ]; then
  run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
home=$scratch/home
mkdir -p "$home"
[ ${#run_as[@]} -eq 0 ] || chown nobody:nogroup "$home"
as_user=("${run_as[@]}" env -u XDG_CONFIG_HOME HOME="$home")
find "$root/usr" | sort >"$scratch/tree-before.txt"

for option in --help --version; do
  "${as_user[@]}" "$root/usr/bin/skirmela" "$option" >"$scratch/out.txt" 2>&1 &&
    grep -qE '^(usage: skirmela|skirmela '"$version"'$)' "$scratch/out.txt" ||
    fail "skirmela $option: $(head -3 "$scratch/out.txt")"
done
status=0
"${as_user[@]}" "$root/usr/bin/skirmela" --bogus >"$scratch/out.txt" 2>&1 || status=$?
if [ "$status" -eq 1 ] && grep -q 'unknown option --bogus' "$scratch/out.txt"; then
  ok "skirmela --help and --version print without a display; an unknown option says so (exit status 1)"
else
  fail "skirmela --bogus: exit status $status, \"$(cat "$scratch/out.txt")\""
fi

# The demo ROM from the installed maker: the ROM in the home, its profile in the user's folder only.
demo=$home/skirmela-demo.gba
user_profiles=$home/.config/skirmela/profiles
if (cd "$home" && "${as_user[@]}" "$root/usr/bin/skirmela-make-demo-rom") >"$scratch/out.txt" 2>&1 &&
  [ "$(cat "$scratch/out.txt")" = "$demo" ] && [ -f "$demo" ] && [ -f "$user_profiles/SKDM.ini" ]; then
  ok "skirmela-make-demo-rom writes $(basename "$demo") and its profile in ~/.config/skirmela/profiles"
else
  fail "skirmela-make-demo-rom: $(cat "$scratch/out.txt"); in the home: $(cd "$home" && find . -type f)"
fi
# A ROM shaped like a release with a shipped profile. A profile of the same game code beside the link
# points outside the ROM: a program that looked for Data beside the link instead of its real path fails.
shipped=$scratch/shipped.gba
"$dir"/bin/make_demo_rom --code BPRE --name-start "$(sed -n '/^\[Nameoffset\]/{n;s/^offset=\([0-9]*\).*/\1/p}' Data/BPRE.ini)" \
  --data-offset "$(sed -n '/^\[Dataoffset\]/{n;s/^offset=\([0-9]*\).*/\1/p}' Data/BPRE.ini)" --size 4194304 --header-words \
  "$shipped" "$scratch/shipped-profile" >/dev/null
chmod 644 "$shipped"
mkdir -p "$root/usr/bin/Data"
printf '[Nameoffset]\r\noffset=900000000\r\n[Dataoffset]\r\noffset=900000000\r\n' >"$root/usr/bin/Data/BPRE.ini"
echo "$root/usr/bin/Data" >>"$scratch/tree-before.txt"
echo "$root/usr/bin/Data/BPRE.ini" >>"$scratch/tree-before.txt"
sort -o "$scratch/tree-before.txt" "$scratch/tree-before.txt"

# skirmela-moves lists both ROMs as the build tree's lists them with the same profiles: the demo's own, and
# for the release-shaped ROM the shipped one (Data/ of the source tree).
for rom_profiles in "$demo:$user_profiles" "$shipped:$PWD/Data"; do
  rom=${rom_profiles%%:*}
  "$dir"/bin/skirmela-moves list "$rom" --data "${rom_profiles#*:}" >"$scratch/expected-list.txt" || true
  if ! "${as_user[@]}" "$root/usr/bin/skirmela-moves" list "$rom" >"$scratch/list.txt" 2>"$scratch/list-errors.txt"; then
    fail "skirmela-moves cannot list $(basename "$rom"): $(cat "$scratch/list-errors.txt")"
  elif ! cmp -s "$scratch/expected-list.txt" "$scratch/list.txt" || [ "$(wc -l <"$scratch/list.txt")" -lt 300 ]; then
    fail "skirmela-moves lists $(basename "$rom") differently ($(wc -l <"$scratch/list.txt") lines)"
  else
    ok "skirmela-moves lists the $(($(wc -l <"$scratch/list.txt") - 1)) moves of $(basename "$rom")"
  fi
done

# check_editor HOW ROM CAPTION SCREENSHOT COMMAND...: on the display $DISPLAY, runs the installed editor by
# COMMAND... (a user and environment), with ROM on its command line (HOW = argument) or chosen through
# "Load Rom..." and its file dialog (HOW = dialog); waits for a window titled CAPTION and ends the editor
# with a signal (closing the window would ask for a farewell message box).
check_editor() {
  local how=$1 rom=$2 caption=$3 screenshot=$4
  shift 4
  local pid window= dialog= found= status=0 args=()
  [ "$how" = argument ] && args=("$rom")
  QT_QPA_PLATFORM=xcb "$@" "$root/usr/bin/skirmela" "${args[@]}" >"$scratch/editor.log" 2>&1 &
  pid=$!
  for _ in $(seq 1 100); do
    window=$(xdotool search --name "^$title( - .*)?\$" 2>/dev/null | head -1 || true)
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
  if [ "$how" = dialog ]; then
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
    fi
  fi
  if [ "$status" -eq 0 ]; then
    for _ in $(seq 1 50); do
      grep -qF "\"$caption\"" <<<"$(xwininfo -root -tree 2>/dev/null)" && { found=yes; break; }
      sleep 0.2
    done
    if [ -z "$found" ]; then
      echo "  no window \"$caption\"; the editor's windows:"
      xwininfo -root -tree 2>/dev/null | grep '"' | grep -v '^ *0x[0-9a-f]* "skirmela":\|Selection Owner' || true
      sed 's/^/    /' "$scratch/editor.log"
      status=1
    fi
  fi
  import -window root "$screenshot" 2>/dev/null || true
  kill -TERM "$pid"
  wait "$pid" 2>/dev/null || true
  return $status
}

# A display of its own: Xvfb picks a free number and writes it once it accepts clients; -ac lets the user
# nobody connect without the cookie; -noreset keeps it whole when the last editor ends.
Xvfb -displayfd 3 -ac -noreset -nolisten tcp -screen 0 800x600x24 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
if [ ! -s "$scratch/display" ]; then
  fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
else
  export DISPLAY=:$(head -1 "$scratch/display")
  if check_editor argument "$demo" "$title - SKDM" "$dir/editor-argument.png" "${as_user[@]}"; then
    ok "the editor opens the demo ROM named on its command line, with the profile from ~/.config/skirmela/profiles"
  else
    fail "the editor with the demo ROM on its command line (screenshot: $dir/editor-argument.png)"
  fi
  if check_editor dialog "$shipped" "$title - BPRE" "$dir/editor-window.png" "${as_user[@]}"; then
    ok "the editor opens a ROM through Load Rom... with its shipped profile (screenshot: $dir/editor-window.png)"
  else
    fail "the editor opening a ROM through Load Rom... (screenshot: $dir/editor-window.png)"
  fi
  # As root, who could write the installed tree: a ROM without a profile gets its empty profile in the
  # user's folder, and the load error.
  if [ ${#run_as[@]} -gt 0 ]; then
    root_home=$scratch/root-home
    mkdir -p "$root_home"
    "$dir"/bin/make_demo_rom --code SKNP "$scratch/no-profile.gba" "$scratch/no-profile" >/dev/null
    if check_editor argument "$scratch/no-profile.gba" "Skirmela Pro" "$dir/editor-no-profile.png" \
      env -u XDG_CONFIG_HOME HOME="$root_home" && [ -f "$root_home/.config/skirmela/profiles/SKNP.ini" ]; then
      ok "run by root, the editor makes a missing profile in ~/.config/skirmela/profiles and shows the load error"
    else
      fail "run by root, the editor with a ROM without a profile: in its home $(cd "$root_home" && find . -type f)"
    fi
  fi
fi

find "$root/usr" | sort >"$scratch/tree-after.txt"
if diff "$scratch/tree-before.txt" "$scratch/tree-after.txt" >"$scratch/tree.diff"; then
  ok "the programs wrote nothing into the installed tree"
else
  fail "the programs changed the installed tree: $(grep '^[<>]' "$scratch/tree.diff" | head -5)"
fi

# --- Purging both packages leaves nothing of them: no file, no folder.
if [ -n "$installed" ]; then
  rm -r "$root/usr/bin/Data"
  dpkg --root="$root" --log=/dev/null --purge skirmela skirmela-moves >"$scratch/dpkg.txt" 2>&1 ||
    fail "dpkg cannot purge the packages: $(tail -5 "$scratch/dpkg.txt")"
  left=$(cd "$root" && find . -mindepth 1 -not -path './var' -not -path './var/lib' -not -path './var/lib/dpkg*')
  [ -z "$left" ] && ok "purging both packages leaves nothing behind" || fail "purging leaves: $left"
fi

finish
