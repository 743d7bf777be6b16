# Shell functions shared by the scripts that run the Windows program: a
# private Wine prefix, and Xvfb when there is no display. Source this file.

export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="

# Starts Xvfb on a display it picks itself and exports DISPLAY; sets xvfb_pid.
start_xvfb() {
    local numfile
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$numfile" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$numfile")"
    rm -f "$numfile"
}

# Starts openbox on $DISPLAY, as a learner's desktop has a window manager,
# and waits until it manages windows; sets wm_pid.
start_window_manager() {
    local ready
    ready=$(mktemp -u)
    openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do [ -e "$ready" ] && break; sleep 0.1; done
    rm -f "$ready"
}

# Makes the prefix $WINEPREFIX once. Wine's own fonts (MS Sans Serif, Small
# Fonts, Marlett for the caption buttons) are copied into its Fonts folder,
# which a prefix made without 32-bit Wine lacks.
#   managed:  windows are framed by the window manager (a learner's desktop);
#             without, Wine draws the frames itself and does not wait for a
#             window manager a bare Xvfb lacks.
#   dpi:      the desktop's logical resolution, 96 (100 %) or 120, 144 (125 %, 150 %).
make_prefix() {
    local managed=${1:-N} dpi=${2:-96}
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wine wineboot -i >/dev/null 2>&1 || true
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f >/dev/null 2>&1
        if [ "$dpi" != 96 ]; then
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
            wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
                /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
        fi
        wineserver -w
    fi
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

# A Unix path as Wine's Z: drive sees it.
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }

# For the tours: the prefix DIR/prefix on a fresh Xvfb, at LT_TOUR_DPI (96
# unless set); Wine and Xvfb stop when the script ends.
headless_prefix() {
    export WINEPREFIX="$1/prefix"
    xvfb_pid=
    trap 'wineserver -k 2>/dev/null; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; true' EXIT
    start_xvfb
    make_prefix N "${LT_TOUR_DPI:-96}"
}
