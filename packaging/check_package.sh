#!/usr/bin/env bash
# Checks the built Debian package: check_package.sh <what> <deb>, with <what> one of
#   contents  the executable, the game folder (with the English twins in en/), the desktop entry,
#             the metainfo, the icons, the copyright file and the man page are there, and no file
#             the game writes at run time
#   depends   the libraries and the GStreamer plugins the game needs to run
#   desktop   the desktop entry passes desktop-file-validate
#   metainfo  the AppStream metainfo passes appstreamcli validate
#   lintian   lintian reports no error (warnings and notes are printed)
set -euo pipefail
what=$1
deb=$2
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[ -f "$deb" ] || fail "no package $deb"

# One file of the package, extracted into a temporary folder; prints its path.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
extract() {
  dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$WORK" "./$1"
  echo "$WORK/$1"
}

case $what in
contents)
  listing=$(dpkg-deb -c "$deb" | awk '{print $1, $6}')
  expect=(-rwxr-xr-x:./usr/games/pelmora
          ./usr/share/games/pelmora/images/GameMap.JPG ./usr/share/games/pelmora/images/Long.JPG
          ./usr/share/games/pelmora/sound/gameover.wav ./usr/share/games/pelmora/pics/gems/GameImages.JPG
          ./usr/share/games/pelmora/Help.txt ./usr/share/games/pelmora/VornPGame.ini
          ./usr/share/games/pelmora/ui/GameOver.png ./usr/share/games/pelmora/en/ui/GameOver@2x.png
          ./usr/share/games/pelmora/en/images/GameMap.JPG ./usr/share/games/pelmora/en/Help.txt
          ./usr/share/applications/pelmora.desktop ./usr/share/metainfo/org.example.pelmora.metainfo.xml
          ./usr/share/doc/pelmora/copyright ./usr/share/doc/pelmora/changelog.gz
          ./usr/share/man/man6/pelmora.6.gz)
  for size in 32 48 64 128 256; do expect+=("./usr/share/icons/hicolor/${size}x$size/apps/pelmora.png"); done
  for entry in "${expect[@]}"; do
    mode=${entry%%:*}
    [ "$mode" = "$entry" ] && mode=-rw-r--r--
    grep -qxF -e "$mode ${entry#*:}" <<<"$listing" || fail "the package lacks ${entry#*:} (mode $mode)"
  done
  tracks=$(grep -c ' ./usr/share/games/pelmora/media/.' <<<"$listing" || true)
  [ "$tracks" -ge 1 ] || fail "the package holds no music"
  leaked=$(grep -E '/(data\.dat|[^/]*\.tmp)$' <<<"$listing" || true)
  [ -z "$leaked" ] || fail "files the game writes at run time are in the package: $leaked"
  # The shipped settings, not what a game played from the build tree wrote back.
  settings=$(iconv -f GBK -t UTF-8 "$(extract usr/share/games/pelmora/VornPGame.ini)")
  for line in MediaON=True MediaMax=60 SoundON=True SoundMax=80 GameMode=1 GameMain=1 'MenuPath1=\pics\gems\'; do
    grep -qxF "$line"$'\r' <<<"$settings" || fail "the shipped VornPGame.ini lacks $line"
  done
  [ "$(zcat "$(extract usr/share/man/man6/pelmora.6.gz)" | head -c 11)" = ".TH PELMORA" ] || fail "the man page is damaged"
  echo "ok: $(wc -l <<<"$listing") entries, $tracks music tracks"
  ;;
depends)
  depends=$(dpkg-deb -f "$deb" Depends)
  for package in libqt6widgets6 libqt6multimedia6 libqt6network6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
  done
  echo "ok: Depends: $depends"
  ;;
desktop)
  report=$(desktop-file-validate "$(extract usr/share/applications/pelmora.desktop)" 2>&1) || fail "$report"
  [ -z "$report" ] || fail "desktop-file-validate: $report"
  echo "ok: the desktop entry is valid"
  ;;
metainfo)
  appstreamcli validate --no-net --pedantic "$(extract usr/share/metainfo/org.example.pelmora.metainfo.xml)" ||
    fail "the metainfo does not validate"
  ;;
lintian)
  # As root lintian warns about itself on stderr; that is not about the package.
  lintian --display-info --fail-on error "$deb" 2>/dev/null || fail "lintian reports errors"
  echo "ok: lintian reports no error"
  ;;
*)
  fail "unknown check $what"
  ;;
esac
