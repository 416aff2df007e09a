#!/usr/bin/env bash
# Tries the Debian package as a user of a fresh Debian 12 would meet it: in a
# chroot made from the Debian mirror it installs the package with apt-get,
# runs both programs, asks xdg-mime which application opens a set file, and
# starts the editor from its menu entry, headless and then on a virtual
# screen (Xvfb) with a screenshot. Run by hand, as root; the test command does
# not run it.
#
#   scripts/try-package.sh [tessellor_<version>_amd64.deb]
#
# Without an argument it tries the newest package in the repository's top
# folder (scripts/package.sh leaves it there).
#   CHROOT  where the systems live (default /var/tmp/tessellor-bookworm): the
#           clean one in CHROOT/base, made once with debootstrap, and the one
#           tried in CHROOT/try, a fresh copy of base each time, removed at
#           the end unless KEEP=1
#   MIRROR  the Debian mirror (default http://deb.debian.org/debian)
#   RECOMMENDS=no  installs the package without the packages it recommends,
#           as systems set to leave them out do
#   OUT     where the log and the screenshot go (default build-package/try-package)
# Every check prints PASS or FAIL; the script fails when one failed.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

chroot_dir="${CHROOT:-/var/tmp/tessellor-bookworm}"
mirror="${MIRROR:-http://deb.debian.org/debian}"
out="${OUT:-$repo/build-package/try-package}"
deb="${1:-$(ls -t "$repo"/tessellor_*_amd64.deb 2>/dev/null | head -n 1)}"
base="$chroot_dir/base"
try="$chroot_dir/try"
app_id=org.tessellor.Tessellor

[ "$(id -u)" -eq 0 ] || { echo "try-package: run it as root (debootstrap, chroot and mount need it)" >&2; exit 2; }
[ -f "$deb" ] || { echo "try-package: no package to try; run scripts/package.sh or name one" >&2; exit 2; }
deb=$(realpath "$deb")
case "$(realpath -m "$chroot_dir")/" in
  "$repo"/*) echo "try-package: CHROOT must lie outside the repository" >&2; exit 2 ;;
esac
mkdir -p "$out"
log="$out/try-package.log"
: >"$log"

failures=0
pass() { echo "try-package: PASS: $*"; }
fail() {
  echo "try-package: FAIL: $*"
  failures=$((failures + 1))
}
# Runs a command in the tried system as root, or as the user "tester" with a
# home and a session folder of its own, its output kept in the log too. The
# pipe's status is the command's (pipefail).
in_root() {
  chroot "$try" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@" 2>&1 | tee -a "$log"
}
as_user() {
  chroot --userspec="$uid:$uid" "$try" /usr/bin/env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME=/home/tester \
    USER=tester LOGNAME=tester XDG_RUNTIME_DIR="/run/user/$uid" "$@" 2>&1 | tee -a "$log"
}

mounted=()
release() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" || true; done
  mounted=()
  if [ "${KEEP:-0}" != 1 ] && [ -d "$try" ]; then rm -rf --one-file-system "$try"; fi
}
trap release EXIT
mount_in() {
  mount "$@"
  mounted+=("${*: -1}")
}

if [ ! -x "$base/usr/bin/apt-get" ]; then
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
  echo "try-package: making a clean Debian 12 in $base"
  rm -rf --one-file-system "$base"
  debootstrap --variant=minbase bookworm "$base" "$mirror" >>"$log"
fi
rm -rf --one-file-system "$try"
cp -a "$base" "$try"
# A fresh install follows its release's updates and security fixes.
cat >"$try/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://security.debian.org/debian-security bookworm-security main
EOF
cp /etc/resolv.conf "$try/etc/resolv.conf"
mount_in -t proc proc "$try/proc"
mount_in -t sysfs sysfs "$try/sys"
mount_in --bind /dev "$try/dev"
mount_in --bind /dev/pts "$try/dev/pts"

in_root apt-get update -qq >/dev/null
cp "$deb" "$try/tmp/"
recommends=()
[ "${RECOMMENDS:-yes}" = no ] && recommends=(--no-install-recommends)
echo "try-package: apt-get install ${recommends[*]:+${recommends[*]} }./$(basename "$deb")"
if in_root apt-get install -y "${recommends[@]}" "./tmp/$(basename "$deb")" >/dev/null; then
  pass "the package installs, every dependency resolved"
else
  fail "apt-get install ./$(basename "$deb") (see $log)"
  exit 1
fi
echo "try-package: Depends: $(chroot "$try" dpkg-query -W -f='${Depends}' tessellor)"
echo "try-package: Recommends: $(chroot "$try" dpkg-query -W -f='${Recommends}' tessellor)"
missing=$(chroot "$try" ldd /usr/bin/tessellor /usr/bin/tessellor-tool /usr/libexec/tessellor/tessellor-tool-gui |
  grep "not found" || true)
if [ -z "$missing" ]; then pass "every library the programs link is there"; else fail "missing libraries: $missing"; fi

in_root useradd -m -s /bin/sh tester >/dev/null
uid=$(chroot "$try" id -u tester)
install -d -m 700 -o "$uid" -g "$uid" "$try/run/user/$uid"

check_run() { # NAME COMMAND...: passes when the command succeeds, shows its first lines
  local name=$1 output
  shift
  if output=$("$@"); then pass "$name: $(echo "$output" | head -n 3 | paste -sd ' ')"; else fail "$name: $output"; fi
}
check_run "tessellor --version" as_user tessellor --version
check_run "tessellor-tool --help" as_user tessellor-tool --help
# Spoken sounds and text cards need espeak-ng's voices and a font at run time.
check_run "tessellor-tool speak" as_user sh -c \
  'tessellor-tool speak /tmp/spoken.wav bonjour >/dev/null && tessellor-tool wave-info /tmp/spoken.wav'
check_run "tessellor-tool text-card" as_user env QT_QPA_PLATFORM=offscreen sh -c \
  'tessellor-tool text-card /tmp/text.bmp Ab >/dev/null && tessellor-tool bmp-info /tmp/text.bmp'

# The menu entry's command: without a file, as the menu starts it, and with
# a set file in its place, as a double click on the file starts it.
exec_line=$(sed -n 's/^Exec=//p' "$try/usr/share/applications/$app_id.desktop" | head -n 1)
menu_command=$(echo "$exec_line" | sed 's/ *%[fFuUik]//g')
file_command=$(echo "$exec_line" | sed 's|%[fFuU]|/tmp/Sample.tessellor|')
echo "try-package: the menu entry runs: $menu_command"
# The editor stays open: still running after 15 s means it started.
set +e
read -ra menu_words <<<"$menu_command"
as_user env QT_QPA_PLATFORM=offscreen timeout 15 "${menu_words[@]}" >/dev/null
started=$?
set -e
if [ "$started" -eq 124 ]; then
  pass "the menu entry starts the editor (headless)"
else
  fail "the menu entry's editor ended with $started before 15 s (see $log)"
fi
if [ -d "$try/home/tester/Tessellor/Ed" ]; then
  pass "the editor made its sets folder \$HOME/Tessellor/Ed"
else
  fail "no \$HOME/Tessellor/Ed after the editor started"
fi

# The desktop's own tools; the package needs neither itself, a desktop has both.
in_root apt-get install -y -qq --no-install-recommends xdg-utils shared-mime-info >/dev/null
default_app=$(as_user xdg-mime query default application/x-tessellor-set)
if [ "$default_app" = "$app_id.desktop" ]; then
  pass "xdg-mime query default application/x-tessellor-set: $default_app"
else
  fail "xdg-mime query default application/x-tessellor-set: '$default_app'"
fi
if grep -q "application/x-tessellor-set:\*\.tessellor" "$try/usr/share/mime/globs2" 2>/dev/null; then
  pass "the MIME database knows *.tessellor"
else
  fail "the MIME database lacks *.tessellor"
fi

in_root apt-get install -y -qq --no-install-recommends xvfb xauth imagemagick >/dev/null
# NAME COMMAND: runs the command on a virtual screen and, when it still runs
# after 10 s, keeps a screenshot.
screenshot() {
  rm -f "$try/tmp/$1.png"
  as_user xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
    "$2 & sleep 10; kill -0 \$! && import -window root /tmp/$1.png; kill \$!" >/dev/null || true
  [ -s "$try/tmp/$1.png" ] && cp "$try/tmp/$1.png" "$out/$1.png"
}
if screenshot menu-entry "$menu_command"; then
  pass "the editor on a virtual screen: $out/menu-entry.png"
else
  fail "no screenshot of the editor on a virtual screen (see $log)"
fi
if as_user env QT_QPA_PLATFORM=offscreen sh -c \
  'tessellor-tool sample-set /tmp/Sample && tessellor-tool pack /tmp/Sample /tmp/Sample.tessellor' >/dev/null &&
  screenshot set-file "$file_command" && [ -f "$try/home/tester/Tessellor/Ed/Sample/Set.cfg" ]; then
  pass "$file_command imports the set into \$HOME/Tessellor/Ed/Sample: $out/set-file.png"
else
  fail "$file_command did not import the set (see $log)"
fi

echo "try-package: log in $log"
[ "$failures" -eq 0 ] || { echo "try-package: $failures check(s) failed"; exit 1; }
echo "try-package: every check passed"
