# Sourced by run.sh and test.sh: installs the Debian packages the build needs, when missing.
# desktop-file-utils and appstream: the installed-tree test validates the desktop entry and metainfo.
# Optional ones the scripts that need them ask for: clang-tidy (test.sh), dpkg-dev and lintian
# (run.sh --package, scripts/package-check.sh).
# qt6-tools-dev and qt6-l10n-tools build the translations; qt6-translations-l10n has Qt's own.
orbivane_packages=(cmake g++ make qt6-base-dev libxkbcommon-dev desktop-file-utils appstream
                   qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

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
