#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders a manual page as man does and fails on any warning.
# Usage: render_manual.sh PAGE
set -eu
warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$1" 2>&1)
if [ -n "$warnings" ]; then
  printf '%s\n' "$warnings" >&2
  exit 1
fi
