#!/usr/bin/env bash
# Makes a comma-decimal locale (de_DE.UTF-8) available for the locale tests.
set -euo pipefail
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
if [ -f /etc/locale.gen ]; then
  $SUDO sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
