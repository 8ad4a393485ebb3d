# Sourced by run.sh and test.sh: installs the Debian packages the build needs, when missing.
orbivane_packages=(cmake g++ make qt6-base-dev libxkbcommon-dev)

orbivane_install_deps() {
    local missing=() pkg
    for pkg in "${orbivane_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
