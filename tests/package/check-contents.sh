#!/usr/bin/env bash
# The package holds the executable, the desktop entry, the icons, the
# AppStream data, the manual page and the readme, depends on Qt and the
# Japanese fonts and recommends Qt's Wayland platform.
#
#   check-contents.sh PACKAGE_FOLDER
set -euo pipefail
package=$(ls "$1"/horonami_*.deb)
files=$(dpkg-deb -c "$package" | awk '{print $NF}')
status=0
for path in ./usr/bin/horonami \
            ./usr/share/applications/org.horonami.Horonami.desktop \
            ./usr/share/metainfo/org.horonami.Horonami.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.horonami.Horonami.svg \
            ./usr/share/icons/hicolor/48x48/apps/org.horonami.Horonami.png \
            ./usr/share/icons/hicolor/256x256/apps/org.horonami.Horonami.png \
            ./usr/share/man/man1/horonami.1.gz \
            ./usr/share/horonami/readme.txt; do
    grep -qxF "$path" <<<"$files" || { echo "missing from the package: $path"; status=1; }
done
depends=$(dpkg-deb -f "$package" Depends)
for name in libqt6widgets6 libicu fonts-ipafont-gothic; do
    grep -q "$name" <<<"$depends" || { echo "Depends lacks $name: $depends"; status=1; }
done
recommends=$(dpkg-deb -f "$package" Recommends)
grep -q qt6-wayland <<<"$recommends" || { echo "Recommends lacks qt6-wayland: $recommends"; status=1; }
exit $status
