#!/usr/bin/env bash
# Starts (or stops) a CUPS daemon with one PDF printer, so that Wine shows its real Print dialog in the tests.
# Without CUPS the tests see Wine's "install a printer" message instead; both are handled.
set -uo pipefail
pidfile=/tmp/quillmark-cupsd.pid
case "${1:-}" in
  start)
    [ -x /usr/sbin/cupsd ] || { echo "no CUPS"; exit 0; }
    if ! pgrep -x cupsd >/dev/null; then
      /usr/sbin/cupsd >/dev/null 2>&1 </dev/null
      for i in $(seq 1 50); do pgrep -x cupsd >/dev/null && break; sleep 0.1; done
      pgrep -x cupsd | head -1 >"$pidfile"
    fi
    for i in $(seq 1 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
    if ! lpstat -p PDF >/dev/null 2>&1; then
      lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd >/dev/null 2>&1 ||
        lpadmin -p PDF -v file:/dev/null -E >/dev/null 2>&1 || true
    fi
    lpstat -p 2>&1 | head -3
    ;;
  stop)
    if [ -f "$pidfile" ]; then
      kill "$(cat "$pidfile")" >/dev/null 2>&1 || true
      rm -f "$pidfile"
    fi
    ;;
esac
