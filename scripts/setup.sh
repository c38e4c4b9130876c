#!/usr/bin/env bash
# Makes a Debian machine ready to build and test Sorvane: packages, the Japanese locale and
# the project's own Wine prefix (inside the checkout, never the user's home). Idempotent and
# without prompts: each step checks first and does nothing when it is done already.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/can-run-32bit.sh"

packages=(
  cmake ninja-build g++ clang libclang-rt-dev python3 googletest
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 xvfb xdotool x11-utils pulseaudio locales fonts-ipafont-gothic imagemagick
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav ffmpeg clang-format nsis zip xclip
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Where the machine runs 32-bit code, the 32-bit Wine loader goes beside the 64-bit one, so
# both builds' tests run; elsewhere the 64-bit build's tests run alone.
if sorvane_can_run_32bit; then
  wine_kind=wow64
  # The 32-bit MPEG device plays through the 32-bit GStreamer.
  packages+=(wine32:i386 gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
    gstreamer1.0-plugins-bad:i386 gstreamer1.0-plugins-ugly:i386 gstreamer1.0-libav:i386)
else
  wine_kind=win64
  echo "setup: this machine cannot run 32-bit code; only the 64-bit build's tests will run"
fi

add_i386() {
  dpkg --print-foreign-architectures | grep -qx i386 && return 0
  echo "setup: adding the i386 architecture"
  as_root dpkg --add-architecture i386
  as_root apt-get update -q
}

install_packages() {
  [ "$wine_kind" = wow64 ] && add_i386
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -q
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
}

generate_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
  echo "setup: generating the ja_JP.UTF-8 locale"
  as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen
}

# Registry settings of the prefix: Japanese fonts for the faces the forms ask for, a device
# for every media extension the player accepts, no desktop integration, unmanaged windows.
configure_prefix() {
  local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  wine reg add "$subst" /v "ＭＳ Ｐゴシック" /d "IPAPGothic" /f
  wine reg add "$subst" /v "ＭＳ ゴシック" /d "IPAGothic" /f
  # The extensions key is not shared between the 32- and 64-bit views of the registry, and
  # "wine reg" may run as either program: each extension goes into both views.
  local mci='HKLM\Software\Microsoft\Windows NT\CurrentVersion\MCI Extensions'
  local view
  for view in 32 64; do
    wine reg add "$mci" /v wav /d WaveAudio /f "/reg:$view"
    wine reg add "$mci" /v avi /d AVIVideo /f "/reg:$view"
    wine reg add "$mci" /v cda /d CDAudio /f "/reg:$view"
    for ext in mp3 mpg mpeg mpe mpa m1v m2v mov; do
      wine reg add "$mci" /v "$ext" /d MPEGVideo /f "/reg:$view"
    done
  done
  wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /d "" /f
  # Without a window manager, Wine waits about two seconds for every managed window that is
  # hidden; unmanaged windows are hidden at once (the player's own runs use a virtual
  # desktop, which draws the frames itself).
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
}

# The stamp names the loaders the prefix was made with: a prefix made by the 64-bit loader
# alone has no 32-bit system folder (32-bit programs then fail with c0000135), so it is made
# again once the 32-bit loader is there. An older or other stamp means: make it again.
prepare_prefix() {
  local stamp="$WINEPREFIX/.sorvane-prefix-5-$wine_kind"
  [ -f "$stamp" ] && return 0
  echo "setup: preparing the Wine prefix $WINEPREFIX"
  "$here/session.sh" stop
  rm -rf "$WINEPREFIX"
  "$here/session.sh" start
  wineboot -i
  configure_prefix
  # End this server cleanly (it saves the registry); the session starts its own.
  wineserver -k || true
  touch "$stamp"
}

install_packages
generate_locale
source "$here/wine-env.sh"
prefix_log="$SORVANE_SESSION/prefix.log"
mkdir -p "$SORVANE_SESSION"
if ! prepare_prefix >"$prefix_log" 2>&1 </dev/null; then
  echo "setup: preparing the Wine prefix failed; its output:" >&2
  tail -n 40 "$prefix_log" >&2
  exit 1
fi
echo "setup: ready"
