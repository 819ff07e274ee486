# Sourced by the run, test and screenshot commands: a Wine prefix of its own and, when there is no display,
# a virtual display of its own; qm_session_stop ends both and leaves no process behind.

WINE64=/usr/lib/wine/wine64
QM_XVFB_PID=""

qm_session_start() {
  # $1: the prefix folder to use (created when missing)
  export WINEPREFIX="$1"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ -z "${DISPLAY:-}" ] || [ "${QM_FORCE_XVFB:-}" = 1 ]; then
    local n
    for n in $(seq 90 140); do
      if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then break; fi
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    QM_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    echo "No display: started a virtual display $DISPLAY (Xvfb, pid $QM_XVFB_PID)." >&2
  fi
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$WINE64" wineboot --init >/dev/null 2>&1 </dev/null || true
  fi
  # Without a window manager, Wine waits about 2 s whenever a top-level window is hidden; unmanaged windows do not.
  "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null || true
  # Windows links its dialog faces to a font with Chinese and Japanese characters; a new prefix links them to the
  # one that tools/prerequisites.sh installs, so that texts of any script show.
  local face
  for face in "MS Sans Serif" "Microsoft Sans Serif" "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2"; do
    "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
      /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f >/dev/null 2>&1 </dev/null || true
  done
}

qm_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "$QM_XVFB_PID" ]; then
    kill "$QM_XVFB_PID" >/dev/null 2>&1 || true
    wait "$QM_XVFB_PID" 2>/dev/null || true
    QM_XVFB_PID=""
  fi
}
