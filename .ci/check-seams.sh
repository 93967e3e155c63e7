#!/usr/bin/env bash
# Keeps the modal seams and the Qt-free core honest:
#  - QMessageBox:: and QFileDialog:: only in the toolkit adapters that wrap them;
#  - no Qt header in any file outside the Qt program (src/ui) and its tests (tests/ui).
set -euo pipefail
cd "$(dirname "$0")/.."

status=0

# Adapters allowed to open the modal boxes and dialogs themselves.
adapters='^src/ui/toolkit/(QtMessages|QtFileDialogs)\.[^/]+$'

while IFS= read -r -d '' file; do
  [[ "$file" =~ $adapters ]] && continue
  if grep -nE 'QMessageBox::|QFileDialog::' "$file"; then
    echo "check-seams: $file calls QMessageBox::/QFileDialog:: outside the toolkit adapters" >&2
    status=1
  fi
done < <(find src -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \) -print0)

# Qt headers: <QWidget>, <QtCore/QString>, "QDir" style includes alike.
qt_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]Q[A-Za-z]'
while IFS= read -r -d '' file; do
  case "$file" in
    src/ui/*|tests/ui/*) continue ;;
  esac
  if grep -nE "$qt_include" "$file"; then
    echo "check-seams: $file includes a Qt header outside src/ui" >&2
    status=1
  fi
done < <(find src tests bench fuzz tools -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \) -print0 2>/dev/null)

if [ "$status" -eq 0 ]; then echo "check-seams: ok"; fi
exit "$status"
