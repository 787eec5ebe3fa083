# Shared by scripts/run and scripts/test: install what is missing, configure and build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}

# Debian packages the build, the tests and the program need.
PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev libjpeg62-turbo-dev
    # Reading aloud; the CMake package of TextToSpeech asks for QmlIntegration,
    # which only qt6-declarative-dev has.
    qt6-speech-dev qt6-declarative-dev
    qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    # The program's translations are built with lupdate and lrelease.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    qt6-qpa-plugins libqt6svg6 fonts-dejavu-core fonts-comic-neue
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    xvfb xdotool x11-utils poppler-utils
    clang-format ccache
    desktop-file-utils appstream dpkg-dev
)

install_missing() {
    local missing=()
    for pkg in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" = 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    else
        echo "Missing packages. Run as root:" >&2
        echo "  apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
}

# build DIR [cmake options...]
build() {
    local dir=$1
    shift
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$JOBS"
}
