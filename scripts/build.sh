# Sourced by the run scripts: installs the dependencies and builds everything.
zel_build() {
  local root
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  bash "$root/scripts/install-deps.sh"
  local cache=${ZEL_DEPS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zel-starter}
  set -a; . "$cache/deps.env"; set +a
  printf '[build] configuring and building in %s/build/mingw\n' "$root"
  (cd "$root" && cmake --preset mingw >/dev/null && cmake --build --preset mingw -j"$(nproc)")
}
