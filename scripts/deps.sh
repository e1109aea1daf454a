#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need, and
# nothing when they are all there already. Sourced by the other scripts.
KALVO_PACKAGES=(
    cmake ninja-build g++ pkg-config python3
    qt6-base-dev qt6-charts-dev qt6-translations-l10n libgl-dev
    fonts-liberation2 fonts-dejavu-core
    clang libclang-rt-14-dev
    libbenchmark-dev
    poppler-utils lrzsz xvfb xauth
)

kalvo_install_deps() {
    local missing=()
    local package
    for package in "${KALVO_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds the program folder build/dist.
kalvo_build() {
    local top="$1"
    if [ ! -f "$top/build/build.ninja" ]; then
        cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo || return 1
    fi
    cmake --build "$top/build"
}
