# Shared by the quick-start and test scripts: install what the build needs.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# The Python package: its compiled module (pybind11 and the Python headers),
# NumPy, pandas and matplotlib, SciPy and Dask for its studies (sampling, and
# the runs on a cluster), pytest and mypy for its tests (the type check fails
# without mypy), and what 'pip install --no-build-isolation ./python' uses.
PYTHON_PACKAGES=(python3-dev pybind11-dev python3-pybind11 python3-numpy python3-pandas
                 python3-matplotlib python3-scipy python3-dask python3-distributed
                 python3-pytest mypy python3-pip python3-setuptools python3-wheel python3-venv)

# Installs the Debian packages given that are not installed yet.
ensure_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo=(sudo); else
      echo "Please install these Debian packages as root: ${missing[*]}" >&2; exit 3
    fi
  fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures build/ (or $1) with the extra CMake arguments given.
configure_engine() {
  local dir="$1"; shift
  local launcher=()
  # A compiler cache, when the machine has one, makes rebuilds of other build
  # folders and other checkouts of the tree cheap; nothing depends on it.
  if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="$ROOT"
    # The objects of one checkout serve another: the builds with debug
    # information (-g) would otherwise hash the build folder's path, so that
    # a fresh clone (CI's) found nothing in the cache; the folder recorded in
    # the debug information is then the one that compiled first. The test
    # programs share a precompiled header, which ccache takes only with these
    # sloppiness settings.
    local cache="env;CCACHE_NOHASHDIR=1;CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime;ccache"
    launcher=("-DCMAKE_C_COMPILER_LAUNCHER=$cache" "-DCMAKE_CXX_COMPILER_LAUNCHER=$cache")
  fi
  cmake -S "$ROOT" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
}

# Configures and builds in build/ (or $1) with the extra CMake arguments given.
build_engine() {
  configure_engine "$@"
  cmake --build "$1" -j 2
}

# The packages of the sanitizer build: clang, and its runtimes of the
# sanitizers and of libFuzzer (LeakSanitizer among them).
SANITIZER_PACKAGES=(cmake ninja-build clang libclang-rt-14-dev libgtest-dev nlohmann-json3-dev
                    rapidjson-dev python3-jsonschema)

# Configures build-sanitize/: clang with AddressSanitizer and
# UndefinedBehaviorSanitizer (a third of the build time of GCC's instrumented
# build), the test suites, and the fuzz target with its coverage
# instrumentation, so that the fuzzing run takes the engine of the sanitizer
# build instead of compiling it again. A folder configured for another
# compiler (GCC's sanitizer build of before) is made anew.
configure_sanitizer_build() {
  local dir="$ROOT/build-sanitize"
  if [ -f "$dir/CMakeCache.txt" ] &&
     ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' "$dir/CMakeCache.txt"; then
    rm -rf "$dir"
  fi
  configure_engine "$dir" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DTARVEX_TESTS=ON -DTARVEX_WERROR=ON -DTARVEX_SANITIZE=ON -DTARVEX_FUZZ=ON
}
