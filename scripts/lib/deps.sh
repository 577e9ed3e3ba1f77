# Installs the Debian packages the build and the tests need, only when missing.
zerkon_install_deps() {
    local packages=(cmake ninja-build g++ libgtest-dev libgmock-dev googletest libbenchmark-dev
        g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xauth imagemagick x11-apps libxml2-utils
        locales
        clang-format nsis clang libclang-rt-dev)
    local missing=()
    local p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What scripts/test needs beyond the build: LibreOffice Calc without a display, which opens a
# statement's CSV as a user's spreadsheet would (about 50 packages, a minute to install).
zerkon_install_test_deps() {
    dpkg-query -W -f='${Status}' libreoffice-calc-nogui 2>/dev/null | grep -q "install ok installed" &&
        return 0
    echo "Installing: libreoffice-calc-nogui"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends libreoffice-calc-nogui
}

# What scripts/bench-bank needs beyond the build: hyperfine, and GNU time for the peak memory.
zerkon_install_bench_deps() {
    local missing=() p
    for p in hyperfine time; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
