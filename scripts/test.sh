#!/usr/bin/env bash
# Runs every check: formatting, then the whole test suite on the plain host
# build, again under AddressSanitizer and UndefinedBehaviorSanitizer, and on
# the PowerPC 460EX build under an emulated 460EX core. Installs what it needs
# from Debian's archive when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v make >/dev/null || need+=(make)
command -v clang-format >/dev/null || need+=(clang-format)
[ -e /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -e /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
command -v powerpc-linux-gnu-g++ >/dev/null || need+=(g++-powerpc-linux-gnu)
command -v qemu-ppc >/dev/null || need+=(qemu-user)
if [ ${#need[@]} -gt 0 ]; then
    echo "installing: ${need[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${need[@]}"
fi

echo "== formatting"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

for preset in host asan ppc460ex; do
    echo "== $preset"
    cmake --workflow --preset "$preset"
done
