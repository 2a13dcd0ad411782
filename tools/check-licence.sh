#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first lines, and the package's copyright file, the
# software centre's entry and the About box say the same licence.
# Usage: tools/check-licence.sh [SOURCE_FOLDER]
set -u
cd "${1:-$(dirname "$0")/..}"
failed=0
missing=$(git ls-files | grep -E '\.(cpp|h|c|sh|py|cmake)$|CMakeLists.txt$|^\.ci/run$' |
    while read -r f; do head -3 "$f" | grep -q "SPDX-License-Identifier: GPL-3.0-or-later" || echo "$f"; done)
[ -z "$missing" ] || { echo "no licence line in:"; echo "$missing"; failed=1; }
grep -qx "License: GPL-3.0-or-later" app/copyright.in || { echo "app/copyright.in names another licence"; failed=1; }
grep -q "<project_license>GPL-3.0-or-later</project_license>" app/moonrill.metainfo.xml.in ||
    { echo "the metainfo names another licence"; failed=1; }
cmp -s COPYING /usr/share/common-licenses/GPL-3 || { echo "COPYING is not the GPL version 3 text"; failed=1; }
exit $failed
