#!/usr/bin/env bash
# Brings translations/qtbase_el.ts up to date with the texts of Qt's own windows that the program
# shows: new texts come in untranslated, texts Qt no longer has go, translations are kept.
# Usage: scripts/update-translation.sh [QTBASE_SOURCE_DIR]
# Without a folder it fetches Debian's qt6-base source with apt-get source (needs a deb-src line
# and dpkg-dev). lupdate and lrelease come with qt6-l10n-tools.
set -euo pipefail
src=${1:+$(cd "$1" && pwd)}
cd "$(dirname "$0")/.."
ts=translations/qtbase_el.ts
bin=/usr/lib/qt6/bin
[ -x "$bin/lupdate" ] || { echo "lupdate is missing (apt-get install qt6-l10n-tools)" >&2; exit 1; }

# Where Qt keeps the texts, and the contexts among them that the program can show: the print
# preview, the print, printer properties and page setup dialogs, the file dialog behind "print to
# file", message boxes and the menus of line edits, spin boxes and scroll bars.
folders=(src/printsupport/dialogs src/printsupport/widgets src/printsupport/kernel
  src/plugins/printsupport/cups src/gui/painting/qpagesize.cpp src/gui/kernel/qplatformtheme.cpp
  src/gui/kernel/qplatformdialoghelper.cpp src/gui/platform/unix/qgenericunixthemes.cpp
  src/gui/image/qabstractfileiconprovider.cpp src/gui/itemmodels src/widgets/dialogs
  src/widgets/widgets)
contexts=("Print Device Input Slot" "Print Device Output Bin" QAbstractFileIconProvider
  QAbstractSpinBox QCupsJobWidget QCupsPrinterSupport QDialogButtonBox QFileDialog QFileSystemModel
  QGnomeTheme QLineEdit QMessageBox QPageSetupWidget QPageSize QPlatformTheme QPrintDialog
  QPrintPreviewDialog QPrintPropertiesDialog QPrintPropertiesWidget QPrintSettingsOutput
  QPrintWidget QScrollBar QTabBar QWidgetTextControl)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -z "$src" ]; then
  (cd "$work" && apt-get source -qq qt6-base >"$work/fetch.log" 2>&1) ||
    { cat "$work/fetch.log" >&2; exit 1; }
  src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
fi
[ -d "$src/src/printsupport" ] || { echo "no qtbase source in '$src'" >&2; exit 1; }

# lupdate merges into a copy, which then keeps only the contexts listed above.
if [ -f "$ts" ]; then cp "$ts" "$work/el.ts"; fi
# lupdate's warnings about Qt's own macros are noise; they show only when it fails.
(cd "$src" && "$bin/lupdate" -silent "${folders[@]}" -ts "$work/el.ts" -locations none \
  -no-obsolete -source-language en -target-language el_GR) 2>"$work/lupdate.log" ||
  { cat "$work/lupdate.log" >&2; exit 1; }
keep="|$(IFS='|'; echo "${contexts[*]}")|"
awk -v keep="$keep" '
  /^<context>/ { block = ""; name = ""; inside = 1 }
  !inside { print; next }
  { block = block $0 "\n" }
  name == "" && match($0, /<name>[^<]*<\/name>/) { name = substr($0, RSTART + 6, RLENGTH - 13) }
  /^<\/context>/ { if (index(keep, "|" name "|")) printf "%s", block; inside = 0 }
' "$work/el.ts" >"$work/kept.ts"
mkdir -p "$(dirname "$ts")"
cp "$work/kept.ts" "$ts"

"$bin/lrelease" "$ts" -qm "$work/el.qm"
left=$(grep -c 'type="unfinished"' "$ts" || true)
[ "$left" -eq 0 ] || echo "$ts: $left texts to translate (type=\"unfinished\")"
