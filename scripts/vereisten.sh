#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, skipping those already present.
set -euo pipefail
pakketten=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libgl-dev libsqlite3-dev libzip-dev
           libgtest-dev libbenchmark-dev libreoffice-writer-nogui poppler-utils
           fonts-dejavu-core fonts-dejavu-extra)
ontbrekend=()
for p in "${pakketten[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        ontbrekend+=("$p")
    fi
done
if [ ${#ontbrekend[@]} -gt 0 ]; then
    echo "Installeren: ${ontbrekend[*]}"
    sudo_cmd=""
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${ontbrekend[@]}"
fi
