#!/usr/bin/env bash
# Installs the build into a DESTDIR and checks that everything a desktop
# and a shell look for is there and passes the validators.
#   check_install.sh BUILD_DIR PREFIX UDEV_RULES_DIR
set -uo pipefail
build=$1 prefix=$2 rules=$3
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
root=$dest$prefix
id=org.veltrax.Configurator
failed=0
fail() {
  echo "$*"
  failed=1
}

if ! DESTDIR=$dest cmake --install "$build" >"$dest.log" 2>&1; then
  cat "$dest.log"
  rm -f "$dest.log"
  exit 1
fi
rm -f "$dest.log"

files=(
  bin/veltrax
  bin/veltraxctl
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/man/man1/veltrax.1
  share/man/man1/veltraxctl.1
  share/bash-completion/completions/veltrax
  share/bash-completion/completions/veltraxctl
  share/doc/veltrax/LICENSE
)
for size in 16 24 32 48 64 128 256 512; do files+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
for file in "${files[@]}"; do [[ -f $root/$file ]] || fail "not installed: $prefix/$file"; done
[[ -f $dest$rules/70-veltrax.rules ]] || fail "not installed: $rules/70-veltrax.rules"
[[ -x $root/bin/veltrax && -x $root/bin/veltraxctl ]] || fail "the programs are not executable"
[[ ! -e $root/bin/veltrax-bench ]] || fail "veltrax-bench is a developer's tool and is not installed"

# The Debian 12 validator knows the desktop entry format up to version 1.4;
# SingleMainWindow came with 1.5, and is all it may object to.
validation=$(desktop-file-validate "$root/share/applications/$id.desktop" 2>&1 |
  grep -v 'key "SingleMainWindow" in group "Desktop Entry", but keys extending the format should start with "X-"')
[[ -z $validation ]] || fail "desktop-file-validate: $validation"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$dest.as" 2>&1 ||
  fail "appstreamcli validate: $(cat "$dest.as")"
rm -f "$dest.as"

for page in veltrax veltraxctl; do
  warnings=$(groff -man -Tutf8 -ww -z "$root/share/man/man1/$page.1" 2>&1)
  [[ -z $warnings ]] || fail "$page.1: $warnings"
  grep -q '@PROJECT_VERSION@' "$root/share/man/man1/$page.1" && fail "$page.1 lacks its version"
done
version=$("$root/bin/veltraxctl" --version) || fail "the installed veltraxctl does not run"
grep -q "version=\"${version#veltraxctl }\"" "$root/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo's release is not $version"
for program in veltrax veltraxctl; do
  bash -n "$root/share/bash-completion/completions/$program" || fail "the bash completion of $program does not parse"
done
exit $failed
