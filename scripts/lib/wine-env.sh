# Sourced by the scripts: one isolated Wine prefix and a private Xvfb display.
#   ZERKON_WINE_DIR  where the prefix and the display state live (default build/wine)
# Czech regional settings come from LC_ALL=cs_CZ.UTF-8: Wine then reports code
# page 1250, decimal "," and thousands separator 0xA0 without a system locale.

ZERKON_ROOT=${ZERKON_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export ZERKON_WINE_DIR=${ZERKON_WINE_DIR:-$ZERKON_ROOT/build/wine}
export WINEPREFIX=$ZERKON_WINE_DIR/prefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winemenubuilder.exe=d"}
{ export LC_ALL=cs_CZ.UTF-8; } 2>/dev/null  # bash warns: the locale need not exist here
export WINEARCH=win64

# Debian's Wine does not register its own fonts (Marlett draws the caption buttons, Tahoma is the
# dialog font): copies in the prefix's Fonts folder are found at the next start.
zerkon_wine_fonts() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ] && cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null
    return 0
}

# Starts Xvfb and boots the prefix once; later calls only export DISPLAY.
zerkon_wine_start() {
    mkdir -p "$ZERKON_WINE_DIR"
    (
        flock 9
        local display_file=$ZERKON_WINE_DIR/display
        if [ -f "$display_file" ] && kill -0 "$(cut -d' ' -f2 "$display_file")" 2>/dev/null; then
            exit 0
        fi
        local n
        for n in $(seq 70 150); do
            [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
            Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 9>&- &
            local pid=$!
            local i
            for i in $(seq 50); do
                [ -e /tmp/.X11-unix/X$n ] && break
                sleep 0.1
            done
            if kill -0 $pid 2>/dev/null; then
                echo ":$n $pid" >"$display_file"
                break
            fi
        done
    ) 9>"$ZERKON_WINE_DIR/lock"
    # Wine names files in the Unix locale's character set: without cs_CZ.UTF-8 on the system it
    # falls back to ASCII and cannot create a file such as "ruční.vrex". A private copy of the
    # locale (LOCPATH) keeps Czech names working without touching the system.
    (
        flock 9
        if [ ! -d "$ZERKON_WINE_DIR/locale/cs_CZ.UTF-8" ] && command -v localedef >/dev/null; then
            mkdir -p "$ZERKON_WINE_DIR/locale"
            LC_ALL=C localedef -i cs_CZ -f UTF-8 "$ZERKON_WINE_DIR/locale/cs_CZ.UTF-8" \
                >/dev/null 2>&1 9>&- || true
        fi
    ) 9>"$ZERKON_WINE_DIR/lock" 2>/dev/null  # bash warns about the locale it cannot switch back to
    if [ -d "$ZERKON_WINE_DIR/locale/cs_CZ.UTF-8" ]; then
        { export LOCPATH=$ZERKON_WINE_DIR/locale; } 2>/dev/null
    fi
    DISPLAY=$(cut -d' ' -f1 "$ZERKON_WINE_DIR/display")
    export DISPLAY
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            wineboot -i >/dev/null 2>&1 9>&-
            wineserver -w 9>&-
            zerkon_wine_fonts
        fi
    ) 9>"$ZERKON_WINE_DIR/lock"
}

# Ends the Wine server and the display of this prefix.
zerkon_wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
    local display_file=$ZERKON_WINE_DIR/display
    if [ -f "$display_file" ]; then
        kill "$(cut -d' ' -f2 "$display_file")" 2>/dev/null || true
        rm -f "$display_file"
    fi
}
