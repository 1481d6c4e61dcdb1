# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up of the end-to-end tests: a copy of the program folder, a fresh home and a virtual display.
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND (status $?)" >&2' ERR

PROGRAM_SOURCE="$1"
WORK="$(mktemp -d)"
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_STATE_HOME="$WORK/home/.local/state" XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_CONFIG_HOME/Pinsola" "$XDG_RUNTIME_DIR" "$WORK/program"
chmod 700 "$XDG_RUNTIME_DIR"
# The program folder as shipped: the executable, the button library, the sound module, the language files
# and pics/. The Windows build's folder is whole as it is, and runs under Wine in the build's prefix.
if [ -e "$PROGRAM_SOURCE/pinsola.exe" ]; then
    cp -r "$PROGRAM_SOURCE/." "$WORK/program/"
    rm -rf "$WORK/program/pics"
    PROGRAM="$WORK/program/pinsola.sh"
    printf '#!/bin/bash\nexec %q %q "$@"\n' "$PROGRAM_SOURCE/../wine-run.sh" "$WORK/program/pinsola.exe" >"$PROGRAM"
    chmod +x "$PROGRAM"
else
    cp "$PROGRAM_SOURCE/pinsola" "$PROGRAM_SOURCE/libbrizel.so" "$PROGRAM_SOURCE/libpinsola_sound.so" \
        "$PROGRAM_SOURCE"/*.lng "$WORK/program/"
    PROGRAM="$WORK/program/pinsola"
fi
mkdir -p "$WORK/program/pics"
# A desktop that speaks none of the program's languages: a first start is German unless a test says otherwise.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
SETTINGS="$XDG_CONFIG_HOME/Pinsola/Pinsola.conf"

PIDS=()
cleanup() {
    local status=$?
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    # A killed server may still be writing into the work folder: wait until each has ended.
    for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$WORK"
    exit "$status"
}
trap cleanup EXIT

# Starts a virtual display of $1 pixels (1280x1024 unless given).
start_display() {
    # Without -noreset the server resets whenever its last client leaves (an xdotool poll), and a program
    # connecting during that reset fails to start.
    : > "$WORK/display"
    Xvfb -displayfd 1 -noreset -screen 0 "${1:-1280x1024}x24" -nolisten tcp > "$WORK/display" 2>"$WORK/xvfb.log" &
    PIDS+=($!)
    for _ in $(seq 100); do
        [ -s "$WORK/display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -1 "$WORK/display")"
    unset QT_QPA_PLATFORM
}

# Starts window manager $1 and waits until it shows the windows mapped: a window mapped while the manager
# is still starting up can be missed by it and stay unshown. A probe window is mapped until one shows.
start_window_manager() {
    "$1" >"$WORK/wm.log" 2>&1 &
    PIDS+=($!)
    local probe
    for _ in $(seq 30); do
        xmessage -title pinsola-wm-probe -geometry +0+0 probe 2>/dev/null &
        probe=$!
        for _ in $(seq 10); do
            if xdotool search --onlyvisible --name '^pinsola-wm-probe$' >/dev/null 2>&1; then
                kill "$probe"
                wait "$probe" 2>/dev/null || true
                return 0
            fi
            sleep 0.1
        done
        kill "$probe"
        wait "$probe" 2>/dev/null || true
    done
    echo "$1 shows no window: $(tail -3 "$WORK/wm.log")" >&2
    return 1
}

# Waits until xdotool finds a visible window with the given search options; prints its id.
wait_for_window() {
    for _ in $(seq 100); do
        if id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -1) && [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "no window for: $*" >&2
    return 1
}

# Waits up to $2 tenths of a second for process $1 to end; returns its exit status.
wait_for_exit() {
    for _ in $(seq "$2"); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"
            return $?
        fi
        sleep 0.1
    done
    echo "process $1 still runs" >&2
    return 124
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts a private CUPS server with its own configuration, spool and backends in $WORK/cups; the command
# given (if any) runs the server, e.g. in a namespace of its own. Sets CUPS and CUPS_SERVER. Skips the test
# (status 77) where no CUPS server can run.
start_cups_server() {
    command -v cupsd >/dev/null && command -v lpadmin >/dev/null || { echo "SKIP: no CUPS here"; exit 77; }
    CUPS="$WORK/cups"
    mkdir -p "$CUPS/etc" "$CUPS/spool/tmp" "$CUPS/cache" "$CUPS/state" "$CUPS/log" "$CUPS/bin/backend"
    chmod 755 "$WORK"
    for entry in /usr/lib/cups/*; do [ "${entry##*/}" = backend ] || ln -s "$entry" "$CUPS/bin/"; done
    cat > "$CUPS/bin/backend/capture" <<'BACKEND'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct capture "Unknown" "Capture"'; exit 0; }
cat "${6:--}" > "${DEVICE_URI#capture:}"
BACKEND
    [ ! -e /usr/lib/cups/backend/cups-pdf ] || ln -s /usr/lib/cups/backend/cups-pdf "$CUPS/bin/backend/"
    chmod -R 755 "$CUPS"
    chmod 700 "$CUPS/bin/backend/capture"
    cat > "$CUPS/etc/cupsd.conf" <<CONF
Listen $CUPS/cups.sock
LogLevel warn
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat > "$CUPS/etc/cups-files.conf" <<CONF
ServerRoot $CUPS/etc
ServerBin $CUPS/bin
RequestRoot $CUPS/spool
TempDir $CUPS/spool/tmp
CacheDir $CUPS/cache
StateDir $CUPS/state
ErrorLog $CUPS/log/error_log
AccessLog $CUPS/log/access_log
PageLog $CUPS/log/page_log
Sandboxing Relaxed
CONF
    "$@" cupsd -f -c "$CUPS/etc/cupsd.conf" -s "$CUPS/etc/cups-files.conf" &
    PIDS+=($!)
    export CUPS_SERVER="$CUPS/cups.sock"
    for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done
}

# Adds queue $1 with device $2 and the further lpadmin options, and makes it the default printer.
add_default_queue() {
    local queue=$1 device=$2
    shift 2
    lpadmin -p "$queue" -v "$device" "$@" -E 2>/dev/null || { echo "SKIP: CUPS refused a queue"; exit 77; }
    for _ in $(seq 20); do lpadmin -d "$queue" 2>/dev/null && return 0; sleep 0.2; done
    echo "SKIP: CUPS refused a default printer"
    exit 77
}

# A private CUPS server whose default printer hands every job to a capturing backend that writes it to
# $PRINTED: as it comes, or, with "office", as CUPS's filters make it for an office colour laser printer
# whose A4 sheet cannot be printed within 18 pt of its sides and 36 pt of its top and bottom (a PDF
# printer description from cups-filters).
OFFICE_PPD=/usr/share/ppd/cupsfilters/HP-Color_LaserJet_CM3530_MFP-PDF.ppd
start_printer() {
    start_cups_server
    mkdir -m 1777 "$WORK/printed"
    PRINTED="$WORK/printed/job.prn"
    if [ "${1:-}" = office ]; then
        [ -e "$OFFICE_PPD" ] || { echo "SKIP: no $OFFICE_PPD here"; exit 77; }
        add_default_queue Pinsola_Test "capture:$PRINTED" -P "$OFFICE_PPD" -o PageSize=A4
    else
        add_default_queue Pinsola_Test "capture:$PRINTED" -m raw
    fi
}

# Checks that everything printed on the office printer's upright A4 sheet, rendered at 72 dpi into $1 (one
# pixel a point), lies within 18 pt of its sides and 36 pt of its top and bottom.
inside_printable_area() {
    local AW AH AX AY
    read -r AW AH AX AY < <(convert "$1" -fuzz 10% -trim -format '%w %h %X %Y\n' info:)
    [ "$AX" -ge 18 ] && [ $(( AX + AW )) -le $(( 595 - 18 )) ] && [ "$AY" -ge 36 ] &&
        [ $(( AY + AH )) -le $(( 842 - 36 )) ] ||
        { echo "printed beyond the printable area: ${AW}x$AH+$AX+$AY"; return 1; }
}

# Checks the sheet printed on the office printer, rendered at 72 dpi into $1 (one pixel a point): the
# drawing, found by its strokes in colour $2 ("r,g,b") along its four edges, keeps its 4:3 shape, and it
# and the footer line of dark text beside it lie inside the sheet's printable area.
check_office_sheet() {
    local sheet=$1 colour=$2 PW PH SW SH SX SY AW AH AX AY
    eval "$(convert "$sheet" -format 'PW=%w PH=%h' info:)"
    [ "$PW" = 595 ] && [ "$PH" = 842 ] || { echo "not an upright A4 sheet: $PW x $PH"; return 1; }
    read -r SW SH SX SY < <(convert "$sheet" -fuzz 25% -fill black -opaque "rgb($colour)" -fill white \
        +opaque black -trim -format '%w %h %X %Y\n' info:)
    local long=$(( SW > SH ? SW : SH )) short=$(( SW > SH ? SH : SW ))
    [ $(( long * 300 / short )) -ge 392 ] && [ $(( long * 300 / short )) -le 408 ] ||
        { echo "the drawing is not 4:3 ($SW x $SH)"; return 1; }
    # A strip 4 points deep along each edge of the drawing holds a stroke.
    local strip
    for strip in "4x$SH+$SX+$SY" "4x$SH+$(( SX + SW - 4 ))+$SY" "${SW}x4+$SX+$SY" "${SW}x4+$SX+$(( SY + SH - 4 ))"; do
        [ "$(convert "$sheet" -crop "$strip" -fuzz 25% -fill black -opaque "rgb($colour)" -fill white +opaque black \
            -format '%[fx:int((1-mean)*w*h)]' info:)" -gt 20 ] || { echo "no stroke along the edge $strip"; return 1; }
    done
    inside_printable_area "$sheet" || return 1
    local dark
    dark=$(convert "$sheet" -fill white -draw "rectangle $SX,$SY $(( SX + SW )),$(( SY + SH ))" -colorspace Gray \
        -threshold 50% -negate -format '%[fx:int(mean*w*h)]' info:)
    [ "$dark" -gt 20 ] || { echo "no footer beside the drawing"; return 1; }
}

# Sets X, Y, WIDTH and HEIGHT (and WINDOW) to window $1's place and size. Fails, leaving them as they were,
# when the window has gone since it was found: the start screen closes while the program starts.
window_geometry() {
    local shell
    shell=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || return 1
    eval "$shell"
}

# Prints window $1's place on the screen and its size: x y width height. (Under a window manager that frames
# windows with a margin, weston's, xdotool's place is off by that margin.)
screen_rect() {
    xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
        /Width/ { w = $2 } /Height/ { h = $2 } END { print x + 0, y + 0, w + 0, h + 0 }'
}

# Waits for the drawing window of process $1, the program's large window, and sets WINDOW, X, Y, WIDTH,
# HEIGHT, the canvas CX, CY, CW, CH and the button panel PX, PY (screen pixels), from its layout rules:
# the margin m is 3 % of the width, the panel 169 x 289 pixels at the lower left, the 4:3 canvas at the
# lower right.
wait_for_drawing_window() {
    WINDOW=""
    # The lesson viewer, the colour window and the start screen are wider than 600 pixels too where the
    # screen is scaled, but are no plain windows.
    for _ in $(seq 150); do
        for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
            window_geometry "$id" && [ "$WIDTH" -gt 600 ] || continue
            [ "$(xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | sed 's/.*= //; s/,.*//')" = _NET_WM_WINDOW_TYPE_NORMAL ] &&
                { WINDOW=$id; break 2; }
        done
        sleep 0.1
    done
    [ -n "$WINDOW" ] || { echo "no drawing window" >&2; return 1; }
    read -r X Y WIDTH HEIGHT <<<"$(screen_rect "$WINDOW")"
    local m=$(( (WIDTH * 3 + 50) / 100 ))
    CW=$(( WIDTH - 3 * m - 169 )); CH=$(( CW * 3 / 4 ))
    CX=$(( X + WIDTH - CW - m )); CY=$(( Y + HEIGHT - CH - m ))
    PX=$(( X + m )); PY=$(( Y + HEIGHT - m * 3 / 2 - 289 ))
}

# Clicks button $1 (0 to 9) of the drawing window's panel, in its middle or $2 pixels right of it.
click_panel_button() {
    xdotool mousemove $(( PX + 32 + ($1 % 2) * 56 + 24 + ${2:-0} )) $(( PY + 24 + ($1 / 2) * 40 + 16 )) click 1
}

# Clicks panel button $1 and waits until the keyboard is in a window of process $2 that was not shown
# before: the dialog or question the button opens.
click_for_new_window() {
    local before id
    before=$(xdotool search --onlyvisible --pid "$2" 2>/dev/null | sort)
    click_panel_button "$1"
    for _ in $(seq 100); do
        id=$(xdotool getwindowfocus 2>/dev/null) && ! grep -qx "$id" <<<"$before" && return 0
        sleep 0.1
    done
    return 1
}

# The colour of pixel $2,$3 of picture $1 as "r,g,b".
pixel_of() {
    convert "$1" -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' -crop "1x1+$2+$3" info:
}

# Drags with the left button from $1,$2 to $3,$4 in ten steps.
drag() {
    xdotool mousemove "$1" "$2" mousedown 1
    for i in $(seq 1 10); do
        xdotool mousemove $(( $1 + ($3 - $1) * i / 10 )) $(( $2 + ($4 - $2) * i / 10 ))
    done
    xdotool mouseup 1
}

# Waits until the lesson viewer at $VX,$VY shows band $2 of lesson $1 in its 400 x 300 preview at (16, 16),
# pixel for pixel as the lesson bitmap holds it.
LESSONS="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/resources/bitmap"
preview_shows_band() {
    convert "$LESSONS/$(( 100 + $1 )).bmp" -crop "400x300+0+$(( 300 * $2 ))" +repage "$WORK/band.png"
    for _ in $(seq 50); do
        import -window root -crop "400x300+$(( VX + 16 ))+$(( VY + 16 ))" +repage "$WORK/preview.png"
        [ "$(compare -metric AE "$WORK/preview.png" "$WORK/band.png" null: 2>&1)" = 0 ] && return 0
        sleep 0.1
    done
    return 1
}

# Clicks a button of the lesson viewer at $VX,$VY: $1, $2 its place in its panel, $3 the panel's left edge,
# $4 its top (316 at full size). Clicks come apart by more than the double-click time, or the second would
# count as the second half of a double click.
viewer_button() {
    xdotool mousemove $(( VX + $1 + $3 + 22 )) $(( VY + ${4:-316} + $2 + 16 )) click 1
    sleep 0.5
}
