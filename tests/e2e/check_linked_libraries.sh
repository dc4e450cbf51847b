#!/bin/sh
# The program starts without the chart, print, SVG and metafile libraries: only the graphics
# module beside it, loaded when first used, links them.
# Arguments: the program, the module.
set -eu
program="$1"
module="$2"
needed() {
  readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'
}
status=0
for library in libQCustomPlotQt6 libuemf libQt6PrintSupport libQt6Svg; do
  if needed "$program" | grep -q "^$library\.so"; then
    echo "FAIL: $program links $library"
    status=1
  fi
done
for library in libQCustomPlotQt6 libuemf libQt6PrintSupport; do
  if ! needed "$module" | grep -q "^$library\.so"; then
    echo "FAIL: $module does not link $library"
    status=1
  fi
done
[ "$status" = 0 ] && echo "1 passed, 0 failed"
exit "$status"
