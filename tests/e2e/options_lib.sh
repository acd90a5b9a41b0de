# shellcheck shell=bash
# Shared by the option scenarios (sourced after lib.sh): real mouse input, page navigation, and
# the command line as the "Continue?" box shows it.

# Starts the program in a fresh folder with the stand-in beside it and fills both folder boxes.
# Sets SRC_ARG and DST_ARG, the two folders as the command line carries them, and SRC_BOX and
# DST_BOX, the selectors of txtSrcPath and txtDestPath (each the control after its label).
start_with_folders() {
    local folder="$1" record="$2" src="${3:-C:\\Data\\}" dst="${4:-D:\\Backup\\}"
    lay_app "$folder"
    use_record "$record"
    start_app "$folder"
    SRC_BOX="Edit@$(id_after 'Static=Source Path')"
    DST_BOX="Edit@$(id_after 'Static=Destination Path')"
    drv set-text "$APP_TITLE" "$SRC_BOX" "$src" || fail "cannot fill the source box"
    drv set-text "$APP_TITLE" "$DST_BOX" "$dst" || fail "cannot fill the destination box"
    SRC_ARG="${src%\\}"
    DST_ARG="${dst%\\}"
}

# A real mouse click (through the X server, as a person's) on a control, at its centre or at
# X,Y from its top left corner. The control must be shown: hidden pages lie at the same place.
real_click() {
    local title="$1" sel="$2" dx="${3:-}" dy="${4:-}" rect l t r b
    drv expect "$title" "$sel" visible 1 5000 || fail "$sel is not shown"
    rect="$(drv get "$title" "$sel" rect)" || fail "no $sel in \"$title\""
    read -r l t r b <<<"$rect"
    [[ -n "$dx" ]] || dx=$(((r - l) / 2))
    [[ -n "$dy" ]] || dy=$(((b - t) / 2))
    timeout 10 xdotool mousemove "$((l + dx))" "$((t + dy))" click 1 || fail "xdotool click failed"
}

# Real keys to whatever has the keyboard focus (xdotool key names: 5, a, Return ...).
real_keys() {
    timeout 10 xdotool key --delay 20 "$@" || fail "xdotool key $* failed"
}

# Types a text into an edit box on the real keyboard: the box is emptied, clicked into, typed
# into, and then must show exactly that text. (Posted keys can overtake one another in a window
# that sends to other threads while it handles them, as the standard file dialogs do.)
real_type() {
    local title="$1" sel="$2" text="$3"
    drv set-text "$title" "$sel" '' || fail "cannot empty $sel"
    real_click "$title" "$sel"
    drv wait-focus "$title" "$sel" 5000 || fail "$sel did not take the focus"
    timeout 20 xdotool type --delay 20 "$text" || fail "xdotool type failed"
    drv expect "$title" "$sel" text "$text" 10000 || fail "$sel does not show what was typed"
}

# Clicks a check box or option button with the mouse and waits until it shows the value.
tick() {
    local sel="$1" want="$2"
    real_click "$APP_TITLE" "$sel"
    drv expect "$APP_TITLE" "$sel" check "$want" 5000 || fail "$sel did not become $want"
    echo "ok: $sel is $want"
}

# The id of the control created right after the one with that caption: a text box sits right
# after its check box (or frame, or label) in the window's child order, and ids follow it.
id_after() {
    local sel="$1" id
    id="$(drv get "$APP_TITLE" "$sel" id)" || fail "no $sel"
    echo "$((id + 1))"
}

# Presses "&Copy", compares the whole "Continue?" text with the folders and these switches, and
# answers Cancel (or OK when a third argument says so).
expect_command() {
    local what="$1" switches="$2" answer="${3:-cancel}"
    drv click "$APP_TITLE" 'Button=&Copy' || fail "cannot press Copy"
    expect_out "$what" "robocopy.exe \"$SRC_ARG\" \"$DST_ARG\"$switches" msgbox 'Continue?'
    drv msgbox-press 'Continue?' "$answer" || fail "cannot answer the confirmation"
}

# Today's date as the program's clock gives it (Wine runs on the host's clock and time zone).
# Taken before and after the checks, so that a run across midnight is told apart.
today_ymd() { date +%Y%m%d; }

# The system's question before the save dialog replaces a file, as Wine titles it (Windows
# says "Confirm Save As").
REPLACE_TITLE='Error'

# Saves through "Save" (on the Job page, shown) and the dialog, typing the name into the
# dialog's file-name box. With a second argument the name is of an existing file: the system's
# question must come, and is answered so (yes, or no, which leaves the dialog open).
save_as() {
    local name="$1" replace="${2:-}" file_box='Edit@1148'  # edt1 of the standard dialog, inside its name combo
    real_click "$APP_TITLE" 'Button=Save'
    drv wait-window 'Save As' 10000 || fail "the save dialog did not open"
    expect_out "the first file type" 'Command Files (*.cmd)' get-text 'Save As' 'ComboBox@1136'
    expect_out "the proposed name" '*.cmd' get-text 'Save As' "$file_box"
    real_type 'Save As' "$file_box" "$name"
    real_keys Return
    if [[ -n "$replace" ]]; then
        expect_out "the question before replacing" $'File already exists.\nDo you want to replace it?' \
            msgbox "$REPLACE_TITLE"
        expect_out "the question's buttons" 'buttons=yes,no icon=exclamation' msgbox-info "$REPLACE_TITLE"
        drv msgbox-press "$REPLACE_TITLE" "$replace" || fail "cannot answer the question with $replace"
        [[ "$replace" == yes ]] || return 0
    fi
    if ! drv wait-gone 'Save As' 10000; then
        drv list-windows >&2 || true
        drv get-text 'Save As' "$file_box" >&2 || true
        screenshot 'Save As' options-save-dialog-stuck || true
        fail "the save dialog stayed open"
    fi
}

# The bytes of a file, kept exactly (trailing line ends included).
file_bytes() {
    FILE_TEXT="$(cat "$1" 2>/dev/null; printf x)"
    FILE_TEXT="${FILE_TEXT%x}"
}

# The file is written once the dialog has closed: waits (up to 5 s) until it holds exactly
# these bytes, then compares (so that a difference is shown).
expect_file() {
    local what="$1" file="$2" bytes="$3" until=$((${EPOCHREALTIME/./} + 5000000))
    while file_bytes "$file" && [[ "$FILE_TEXT" != "$bytes" ]] && ((${EPOCHREALTIME/./} < until)); do
        sleep 0.05
    done
    [[ "$FILE_TEXT" == "$bytes" ]] || echo "waited 5 s for $file to hold the expected bytes" >&2
    assert_eq "$what" "$bytes" "$FILE_TEXT"
}

# A list field counts once the focus leaves it: filled, clicked into, left with Tab.
fill_list() {
    local sel="$1" text="$2" name
    drv set-text "$APP_TITLE" "$sel" "$text" || fail "cannot fill $sel"
    real_click "$APP_TITLE" "$sel"
    drv wait-focus "$APP_TITLE" "$sel" 5000 || fail "$sel did not take the focus"
    name="$(drv get "$APP_TITLE" "$sel" name)"
    real_keys Tab
    for _ in $(seq 1 100); do
        [[ "$(drv focus-of "$APP_TITLE")" != "$name" ]] && return 0
    done
    fail "Tab did not leave $sel"
}

# The argument count and the arguments after the engine's own path, from a record.
arguments_of() { grep -E '^(argc|argv[1-9][0-9]*)=' "$1"; }

# drop_on <selector|x,y> <unix path...>: a file manager's drop at the control's centre (or at a
# point of the screen).
drop_on() {
    local where="$1" x y l t r b
    shift
    if [[ "$where" == *,* ]]; then
        IFS=, read -r x y <<<"$where"
    else
        read -r l t r b <<<"$(drv get "$APP_TITLE" "$where" rect)" || fail "no $where"
        x=$(((l + r) / 2)) y=$(((t + b) / 2))
    fi
    run_closed timeout 30 python3 "$E2E_SRC/xdnd_drop.py" "$x" "$y" "$@" </dev/null >"$SCRATCH/drop" 2>&1 ||
        fail "the drop at $x,$y did not go through: $(cat "$SCRATCH/drop")"
}
