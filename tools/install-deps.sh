#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
# dpkg-dev: dpkg-shlibdeps for the Debian package; groff-base and bash-completion:
# the tests of the manual pages and of the completions; libgettextpo-dev: the PO
# files of brisvane-po; gettext and translate-toolkit: the PO tools its tests run.
packages=(build-essential cmake pkg-config qtbase5-dev libgtest-dev libgmock-dev
          libbenchmark-dev libxml2-dev dpkg-dev groff-base bash-completion
          libgettextpo-dev gettext translate-toolkit "$@")
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
