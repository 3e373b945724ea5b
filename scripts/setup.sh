#!/usr/bin/env bash
# Installs what building and testing Fanwright needs on Debian 12 or Ubuntu, with apt-get.
# Safe to run again: on a machine that has everything it only checks, and touches nothing.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

packages=(
    cmake ninja-build g++                        # native tree
    googletest libgtest-dev libbenchmark-dev     # unit tests, benchmarks
    clang                                        # fuzzing (libFuzzer)
    g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64  # Windows tree
    wine wine64 fonts-wine                       # running the Windows programs
    xvfb xauth x11-utils                         # a display without a screen
    unzip                                        # checking the release zip
    lld llvm wasi-libc libc++-dev-wasm32 libclang-rt-dev-wasm32 binaryen  # WebAssembly module
    nodejs                                       # running it in its tests
    chromium                                     # the page's browser tests
)
# clang's runtimes (libFuzzer, sanitizers): the distribution's own name where it has one.
clang_runtime_choices=(libclang-rt-dev libclang-rt-14-dev)

is_installed() {
    [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

has_candidate() {
    apt-cache policy "$1" 2>/dev/null | grep -q 'Candidate: [^(]'
}

missing=()
for package in "${packages[@]}"; do
    is_installed "$package" || missing+=("$package")
done
# Screenshots and pictures: any ImageMagick will do, Debian's only when there is none.
has_imagemagick || missing+=(imagemagick)
# npm for the page's test tools: Debian's package, unless the node installed brings its own.
command -v npm >/dev/null || missing+=(npm)
clang_runtime=""
for package in "${clang_runtime_choices[@]}"; do
    is_installed "$package" && clang_runtime=$package && break
done

if ((${#missing[@]} == 0)) && [[ -n "$clang_runtime" ]]; then
    echo "setup: all packages present"
    exit 0
fi

say "Installing the packages that are missing"
as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
if [[ -z "$clang_runtime" ]]; then
    for package in "${clang_runtime_choices[@]}"; do
        has_candidate "$package" && clang_runtime=$package && missing+=("$package") && break
    done
    [[ -n "$clang_runtime" ]] || echo "setup: no clang runtime package found; fuzzing will not build" >&2
fi
echo "setup: installing ${missing[*]}"
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"

for tool in cmake ninja x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres wine wineserver \
    Xvfb xwininfo unzip wasm-ld llvm-ar wasm-opt node npm chromium; do
    command -v "$tool" >/dev/null || die "setup: $tool is still missing after installing"
done
has_imagemagick || die "setup: ImageMagick (magick or convert) is still missing after installing"
echo "setup: done"
