#!/bin/sh
# Installs what the picture tool needs: Debian's Python with Pillow.
# The tool must run under /usr/bin/python3 (another python3 on PATH may lack
# Debian's packages).
set -e
if /usr/bin/python3 -c "import PIL" 2>/dev/null; then
    exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
fi
$SUDO apt-get install -y --no-install-recommends python3 python3-pil
