# Sourced by wine-run.sh and the end-to-end scripts: the display a program that drives windows gets to
# itself.
#
# A session opened with --lanes N has N lanes, each an X server, a Wine prefix (a copy of the project's)
# and a wineserver of its own, named in QW_LANE_COUNT and QW_LANE_<i>_DISPLAY / QW_LANE_<i>_PREFIX: such
# programs then run side by side, one per lane. Without lanes they take the one display in turn.
#
# take_display_lane: waits for a free lane and points DISPLAY and WINEPREFIX at it. The lane is held on
# descriptor 7 until the calling shell ends; start long-lived Wine processes with 7>&- so that none of
# them (explorer.exe outlives the program that started it) keeps the lane.
take_display_lane() {
  local n=${QW_LANE_COUNT:-0} i var
  if [ "$n" -lt 2 ]; then
    exec 7>"$WINEPREFIX.display.lock"
    flock 7
    return 0
  fi
  while :; do
    for i in $(seq 1 "$n"); do
      var=QW_LANE_${i}_PREFIX
      exec 7>"${!var}.display.lock"
      if flock -n 7; then
        export WINEPREFIX=${!var}
        var=QW_LANE_${i}_DISPLAY
        export DISPLAY=${!var}
        return 0
      fi
      exec 7>&-
    done
    sleep 0.2
  done
}
