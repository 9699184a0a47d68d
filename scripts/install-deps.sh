#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine and
# reuses what is already there:
#   - the mingw-w64 cross compiler, Wine, Xvfb, the GoogleTest sources;
#   - the zh_CN.UTF-8 locale (Wine's ANSI code page 936 for the GBK cases);
#   - Poco Foundation, built static for mingw from Debian's source package
#     with the project's patches (patches/poco/*.patch) applied, cached outside
#     the build tree and keyed by version and patches;
#   - the Duktape sources for the CEF stand-in runtime, from Debian's source package.
# Prints the variables the build needs (source it, or read deps.env in the cache).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=${ZEL_DEPS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zel-starter}
mkdir -p "$cache"

say() { printf '[deps] %s\n' "$*"; }

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

apt_packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine64 wine xvfb xauth dpkg-dev cmake ninja-build googletest locales
  ca-certificates bzip2 xz-utils patch
)

missing=()
for p in "${apt_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# apt-get source needs a deb-src entry for the same archive as the binaries.
ensure_deb_src() {
  if grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return 1
  fi
  say "adding a deb-src entry for Debian's archive"
  as_root tee /etc/apt/sources.list.d/zel-deb-src.sources >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
}

need_update=0
ensure_deb_src && need_update=1
[ ${#missing[@]} -gt 0 ] && need_update=1
if [ "$need_update" = 1 ] || [ -z "$(ls -A /var/lib/apt/lists 2>/dev/null | grep -v lock)" ]; then
  say "apt-get update"
  as_root apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  say "installing: ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  say "apt packages already installed"
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  say "generating the zh_CN.UTF-8 locale"
  as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
else
  say "zh_CN.UTF-8 locale present"
fi

# --- Debian source packages -------------------------------------------------

source_version() { apt-cache showsrc "$1" | sed -n 's/^Version: //p' | head -n 1; }

fetch_source() { # name version destdir
  local name=$1 version=$2 dest=$3 work
  work=$(mktemp -d)
  (cd "$work" && apt-get source -qq "$name=$version" >/dev/null 2>&1) || {
    say "apt-get source $name=$version failed"; rm -rf "$work"; exit 1; }
  local dir
  dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
  rm -rf "$dest"
  mv "$dir" "$dest"
  rm -rf "$work"
}

poco_version=$(source_version poco)
[ -n "$poco_version" ] || { say "no Debian source package for poco"; exit 1; }
# The build is keyed by the patches too: a changed patch set gets a build of
# its own, and a build for another set is never taken for this one.
poco_patches=()
for p in "$here"/patches/poco/*.patch; do [ -f "$p" ] && poco_patches+=("$p"); done
poco_key=
if [ ${#poco_patches[@]} -gt 0 ]; then
  poco_key=-p$(cat "${poco_patches[@]}" | sha256sum | cut -c1-12)
fi
poco_prefix=$cache/poco-$poco_version-mingw64-static$poco_key
if [ -f "$poco_prefix/.complete" ]; then
  say "Poco $poco_version (mingw, static${poco_key:+, patches $poco_key}) cached in $poco_prefix"
else
  for other in "$cache"/poco-"$poco_version"-mingw64-static*; do
    [ -f "$other/.complete" ] && say "Poco build $other is for another patch set; left in place, not used"
  done
  say "building Poco Foundation $poco_version static for mingw with ${#poco_patches[@]} patch(es) into $poco_prefix (a few minutes, once)"
  src=$cache/poco-$poco_version-src
  default_src=${XDG_CACHE_HOME:-$HOME/.cache}/zel-starter/poco-$poco_version-src
  if [ -d "$src/Foundation" ]; then
    say "reusing the Poco source in $src"
  elif [ -d "$default_src/Foundation" ]; then
    say "copying the Poco source from $default_src"
    cp -a "$default_src" "$src"
  else
    say "fetching the Poco $poco_version source package into $src"
    fetch_source poco "$poco_version" "$src"
  fi
  build=$(mktemp -d)
  # The cached source stays as Debian ships it; the patches go into a copy.
  patched=$build/src
  cp -a "$src" "$patched"
  for p in "${poco_patches[@]}"; do
    say "applying $(basename "$p")"
    patch -d "$patched" -p1 --forward --silent <"$p" || { say "patch $p does not apply"; exit 1; }
  done
  off=()
  for c in ENCODINGS XML JSON MONGODB REDIS PDF UTIL NET NETSSL NETSSL_WIN CRYPTO JWT DATA \
           DATA_SQLITE DATA_MYSQL DATA_POSTGRESQL DATA_ODBC SEVENZIP ZIP APACHECONNECTOR \
           CPPPARSER ENCODINGS_COMPILER PAGECOMPILER PAGECOMPILER_FILE2PAGE POCODOC \
           ACTIVERECORD ACTIVERECORD_COMPILER TESTS; do
    off+=("-DENABLE_$c=OFF")
  done
  cmake -S "$patched" -B "$build/out" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_MC_COMPILER="$(command -v x86_64-w64-mingw32-windmc)" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DPOCO_UNBUNDLED=OFF \
    -DCMAKE_INSTALL_PREFIX="$poco_prefix" "${off[@]}" >"$build/configure.log" 2>&1 ||
    { cat "$build/configure.log"; exit 1; }
  cmake --build "$build/out" --target install -j"$(nproc)" >"$build/build.log" 2>&1 ||
    { tail -n 60 "$build/build.log"; exit 1; }
  rm -rf "$build"
  touch "$poco_prefix/.complete"
  say "Poco installed in $poco_prefix"
fi

duk_version=$(source_version duktape)
[ -n "$duk_version" ] || { say "no Debian source package for duktape"; exit 1; }
duk_src=$cache/duktape-$duk_version-src
if [ -f "$duk_src/src/duktape.c" ]; then
  say "Duktape $duk_version sources cached in $duk_src"
else
  say "fetching the Duktape $duk_version sources"
  fetch_source duktape "$duk_version" "$duk_src"
fi

cat >"$cache/deps.env" <<EOF
ZEL_POCO_PREFIX=$poco_prefix
ZEL_DUKTAPE_SRC=$duk_src
ZEL_GTEST_SRC=/usr/src/googletest
EOF
say "dependencies ready ($cache/deps.env)"
