#!/bin/sh
# check_install.sh CMAKE BUILD STAGE BINDIR DATADIR MANDIR APP_ID HELP_IN_BUILD HELP_SOURCE
# Runs `cmake --install BUILD --prefix STAGE` and checks the installed layout.
set -u
cmake=$1 build=$2 stage=$3 bindir=$4 datadir=$5 mandir=$6 app_id=$7 help_built=$8 help_source=$9
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
have() { command -v "$1" >/dev/null 2>&1; }

rm -rf "$stage"
unset DESTDIR
if ! "$cmake" --install "$build" --prefix "$stage" >"$stage.log" 2>&1; then
  cat "$stage.log"
  echo "FAIL: cmake --install"
  exit 1
fi

# Nothing may be written outside the prefix (an absolute DESTINATION would).
while IFS= read -r f; do
  case $f in "$stage"/*) ;; *) fail "installed outside the prefix: $f" ;; esac
done <"$build/install_manifest.txt"

for exe in brumelle brumelle-cli; do
  [ -f "$stage/$bindir/$exe" ] && [ -x "$stage/$bindir/$exe" ] || fail "$bindir/$exe missing or not executable"
done

desktop=$stage/$datadir/applications/$app_id.desktop
metainfo=$stage/$datadir/metainfo/$app_id.metainfo.xml
icon=$stage/$datadir/icons/hicolor/scalable/apps/brumelle.svg
mime=$stage/$datadir/mime/packages/brumelle.xml
doc=$stage/$datadir/doc/brumelle
for f in "$desktop" "$metainfo" "$icon" "$mime" "$doc/copyright" "$doc/changelog.gz"; do
  [ -s "$f" ] || fail "${f#"$stage"/} missing or empty"
done
[ -f "$doc/changelog.gz" ] && { gzip -t "$doc/changelog.gz" || fail "changelog.gz is not gzip"; }

# Each program has its manual page, which renders without a single warning
# (as lintian renders it) and whose NAME line makes a whatis entry.
for exe in brumelle brumelle-cli; do
  page=$stage/$mandir/man1/$exe.1.gz
  if [ ! -s "$page" ]; then
    fail "${page#"$stage"/} missing"
    continue
  fi
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "${page#"$stage"/} renders with warnings: $warnings"
  lexgrog "$page" | grep -q ": \"$exe - " || fail "${page#"$stage"/} has no NAME line for $exe"
done
# Every command and option that brumelle-cli's usage message names is in its page.
cli_page=$stage/$mandir/man1/brumelle-cli.1.gz
if [ -x "$stage/$bindir/brumelle-cli" ] && [ -s "$cli_page" ]; then
  page_text=$(gzip -dc "$cli_page" | sed 's/\\-/-/g')
  usage_words=$("$stage/$bindir/brumelle-cli" 2>&1 | grep -o -e '[[ ]--*[a-z][a-z]*' -e 'brumelle-cli [a-z]*' |
    sed 's/^[[ ]//' | sort -u)
  [ -n "$usage_words" ] || fail "brumelle-cli printed no usage"
  printf '%s\n' "$usage_words" | while IFS= read -r word; do
    printf '%s\n' "$page_text" | grep -q -F -e "$word" || echo "FAIL: brumelle-cli.1 does not document '$word'"
  done | grep FAIL && fail "brumelle-cli.1 misses what the usage message names"
fi

help=$stage/$datadir/brumelle/brumelle.html
cmp -s "$help_source" "$help" || fail "${help#"$stage"/} missing or not the source's help"
cmp -s "$help_source" "$help_built" || fail "the help is not copied beside the built program"

# The installed program runs on its own, away from the build tree.
if [ -x "$stage/$bindir/brumelle-cli" ]; then
  out=$("$stage/$bindir/brumelle-cli" readout --plot 730x542 405 380 2>&1) || fail "installed brumelle-cli: $out"
  [ -n "$out" ] || fail "installed brumelle-cli printed nothing"
fi

if [ -f "$desktop" ]; then
  if have desktop-file-validate; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
  else
    echo "note: desktop-file-validate not found, .desktop not validated"
  fi
  # The entry points at what is installed beside it.
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$stage/$bindir/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
  icon_name=$(sed -n 's/^Icon=//p' "$desktop")
  [ "$icon_name" = brumelle ] || fail "Icon=$icon_name, the installed icon is brumelle"
  for type in $(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' '); do
    grep -q "<mime-type type=\"$type\"" "$mime" || fail "MimeType $type is not declared in ${mime#"$stage"/}"
  done
fi

if [ -f "$metainfo" ]; then
  if have appstreamcli; then
    appstreamcli validate --no-net "$metainfo" >"$stage.appstream.log" 2>&1 || {
      cat "$stage.appstream.log"
      fail "appstreamcli validate ${metainfo#"$stage"/}"
    }
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
      fail "the AppStream data does not launch $app_id.desktop"
    for type in $(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' '); do
      grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "MimeType $type is not provided in the AppStream data"
    done
  else
    echo "note: appstreamcli not found, AppStream data not validated"
  fi
fi

if have xmllint; then
  for f in "$mime" "$icon" "$metainfo"; do
    [ -f "$f" ] && { xmllint --noout "$f" || fail "${f#"$stage"/} is not well-formed XML"; }
  done
else
  echo "note: xmllint not found, XML not checked"
fi

# Build the MIME cache from the installed definitions: a .brm must map to the type.
if have update-mime-database && [ -f "$mime" ]; then
  if update-mime-database "$stage/$datadir/mime" >"$stage.mime.log" 2>&1 && ! grep -qi error "$stage.mime.log"; then
    grep -qx '[0-9]*:application/x-brumelle:\*\.brm' "$stage/$datadir/mime/globs2" ||
      fail "*.brm is not application/x-brumelle in the MIME cache"
  else
    cat "$stage.mime.log"
    fail "update-mime-database rejected ${mime#"$stage"/}"
  fi
fi

[ "$failures" -eq 0 ] && echo "install layout OK in $stage"
[ "$failures" -eq 0 ]
