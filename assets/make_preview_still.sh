#!/usr/bin/env bash
# Makes assets/preview_still.jpg, the picture the saver shows in the Display Properties preview
# pane: a real frame of the renderer (fixed seed) cut to the pane's shape, scaled to 152 x 112
# and saved as a baseline JPEG at the quality that comes nearest to 14.5 KB.
#   assets/make_preview_still.sh [seed] [frames]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seed=${1:-5}
frames=${2:-900}
target_bytes=14514

"$root/tools/build" windows --target capture_frame >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
TESSELLARIUM_SCREEN=1280x720 "$root/tools/wine-run" --build-dir "$root/build/windows" \
  "$root/build/windows/bin/capture_frame.exe" "$seed" "$frames" "Z:${work//\//\\}\\frame.ppm"

# The pane is 152:112; take the middle of the frame at that shape, then scale.
convert "$work/frame.ppm" -gravity center -crop 977x720+0+0 +repage -resize '152x112!' "$work/still.png"
best= best_distance=
for quality in $(seq 60 100); do
  convert "$work/still.png" -interlace none -sampling-factor 1x1 -quality "$quality" -strip "$work/q$quality.jpg"
  size=$(stat -c %s "$work/q$quality.jpg")
  distance=$(( size > target_bytes ? size - target_bytes : target_bytes - size ))
  if [[ -z $best || $distance -lt $best_distance ]]; then best=$quality best_distance=$distance; fi
done
cp "$work/q$best.jpg" "$root/assets/preview_still.jpg"
echo "assets/preview_still.jpg: quality $best, $(stat -c %s "$root/assets/preview_still.jpg") bytes"
