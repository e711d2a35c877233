#!/usr/bin/env bash
# Checks the Debian package that `cpack -G DEB` made in BUILD_DIR: the files a user of the package
# expects are in it, its desktop entry is valid and it declares what it depends on.
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: scripts/check-package.sh BUILD_DIR" >&2
    exit 2
fi

shopt -s nullglob
debs=("$1"/zor06_*_amd64.deb)
if [ ${#debs[@]} -ne 1 ]; then
    echo "check-package: expected one zor06_VERSION_amd64.deb in $1, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}

expected=(
    usr/bin/zor06
    usr/bin/zor06ctl
    usr/bin/zor06-sim
    usr/share/zor06/templates/day_report_title_v5.xlsx
    usr/share/zor06/templates/mon_report_title_v5.xlsx
    usr/share/applications/zor06.desktop
    usr/share/icons/hicolor/scalable/apps/zor06.svg
    usr/share/man/man1/zor06.1.gz
    usr/share/man/man1/zor06ctl.1.gz
    usr/share/man/man1/zor06-sim.1.gz
    usr/share/doc/zor06/copyright
    lib/systemd/system/zor06-collect.service
    lib/systemd/system/zor06-collect.timer
    etc/default/zor06-collect
)

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./||')
failed=0
for path in "${expected[@]}"; do
    if ! grep -qxF "$path" <<<"$contents"; then
        echo "check-package: $deb lacks $path" >&2
        failed=1
    fi
done

dpkg-deb -I "$deb" >/dev/null
depends=$(dpkg-deb -f "$deb" Depends)
if [ -z "$depends" ]; then
    echo "check-package: $deb declares no Depends" >&2
    failed=1
elif ! grep -q "libqt6widgets6" <<<"$depends"; then
    # The fonts are declared by hand; the libraries come from dpkg-shlibdeps, missing without it.
    echo "check-package: $deb does not depend on the libraries of its programs: $depends" >&2
    failed=1
fi
if ! grep -q "qt6-translations-l10n" <<<"$depends"; then
    # Qt's own file and print dialogs speak Russian only with Qt's translations.
    echo "check-package: $deb does not depend on Qt's translations: $depends" >&2
    failed=1
fi

if ! dpkg-deb -I "$deb" conffiles 2>/dev/null | grep -qx /etc/default/zor06-collect; then
    # An upgrade must keep the operator's collection settings.
    echo "check-package: $deb does not keep /etc/default/zor06-collect as a conffile" >&2
    failed=1
fi

desktop=$(mktemp --suffix=.desktop)
trap 'rm -f "$desktop"' EXIT
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/zor06.desktop >"$desktop" 2>/dev/null || true
if ! desktop-file-validate "$desktop"; then
    echo "check-package: the desktop entry of $deb is not valid" >&2
    failed=1
fi

[ $failed -eq 0 ] && echo "check-package: $(basename "$deb") holds the programs, templates, desktop entry, icon, manual pages, collection units and copyright; Depends: $depends"
exit $failed
