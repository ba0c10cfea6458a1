# The Wine and Xvfb harness of scripts/windows-check (sourced): a Wine prefix
# and a display of its own, bounded waits, clicks at the places the form's
# table gives, and the checks of the window and the installer. Expects $out.
# The displays tried are VPA_DISPLAYS (first and last number, default
# "121 129"), so that several checks can share a machine.

Fail() {
  echo "windows-check: $*" >&2
  exit 1
}

pids=()
Cleanup() {
  local pid
  if [ -n "${WINEPREFIX:-}" ]; then
    timeout 20 wineserver -k 2>/dev/null || true
  fi
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "${WINEPREFIX:-}" ] && rm -rf "$WINEPREFIX"
  return 0
}
trap Cleanup EXIT

# Waits up to $1 seconds for the command after it to succeed.
WaitFor() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}

StartWine() {
  export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d"
  # Inside the build folder, so that each work tree has its own.
  export WINEPREFIX=$out/wine-prefix
  timeout 20 wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  unset DISPLAY
  timeout 120 wineboot -i >/dev/null 2>&1 || Fail "wineboot did not finish"
  # Wine has no Arial; Liberation Sans has its widths and then answers to
  # the name.
  timeout 60 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial \
    /d "Liberation Sans" /f >/dev/null 2>&1
}

# An Xvfb on the first free display of $VPA_DISPLAYS ("121 129": first and
# last), with a window manager so that windows can be minimised.
StartDisplay() {
  local number
  for number in $(seq ${VPA_DISPLAYS:-121 129}); do
    [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] ||
      break
  done
  Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=":$number"
  WaitFor 10 xdpyinfo >/dev/null 2>&1 || Fail "Xvfb did not start"
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
}

# The Wine session's dpi: Wine reads it when its server starts.
SetDpi() {
  timeout 30 wineserver -w || true
  local key
  for key in 'HKCU\Control Panel\Desktop' \
    'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    timeout 60 wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f \
      >/dev/null 2>&1
  done
}

# The form's window: the one of the caption whose size is the form's.
FindForm() {
  local id size
  for id in $(xdotool search --name '^SDS/2 Macro\. Vertical Plain Angles$' \
    2>/dev/null); do
    size=$(xwininfo -id "$id" | awk '/Width:/{w=$2} /Height:/{h=$2}
      END{print w "x" h}')
    if [ "$size" = "$client" ]; then
      form=$id
      return 0
    fi
  done
  return 1
}

# Another window of the program's caption: a message box.
FindMessageBox() {
  box=$(xdotool search --name '^SDS/2 Macro\. Vertical Plain Angles$' \
    2>/dev/null | grep -vx "$form" | head -1)
  [ -n "$box" ]
}

IsIconic() { xprop -id "$form" WM_STATE | grep -q 'window state: Iconic'; }
IsNormal() { xprop -id "$form" WM_STATE | grep -q 'window state: Normal'; }

# Clicks the middle of the control named $1, where the table places it.
Click() {
  local left top width height
  read -r left top width height < <(awk -v name="$1" '$1 == name {
    print $2, $3, $4, $5}' "$places")
  [ -n "$left" ] || Fail "no control $1 in the form's table"
  # A window just restored takes a first click as its activation.
  timeout 5 xdotool windowactivate "$form" 2>/dev/null || true
  sleep 0.3
  xdotool mousemove --window "$form" $((left + width / 2)) \
    $((top + height / 2)) click 1
}

Screenshot() {
  mkdir -p "$out/screenshots"
  import -window root -crop "$(xwininfo -id "$1" | awk '
    /Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /Width:/{w=$2} /Height:/{h=$2} END{print w "x" h "+" x "+" y}')" \
    "$out/screenshots/$2"
  echo "screenshot: build-mingw/screenshots/$2"
}

# Field files in the store's bytes: a text and CR LF, a position as " N "
# or "-1 " and CR LF.
StoreText() { printf '%s\r\n' "$2" >"$folder/TextFiles/$1.TXT"; }
StoreIndex() {
  if [ "$2" -lt 0 ]; then
    printf '%d \r\n' "$2" >"$folder/TextFiles/$1.TXT"
  else
    printf ' %d \r\n' "$2" >"$folder/TextFiles/$1.TXT"
  fi
}

SeedFields() {
  local catalogue row section
  catalogue=$("$out/linux/program/vpa-macro" catalogue)
  section=$(grep -nx 'L4x4x1/2' <<<"$catalogue" | cut -d: -f1)
  StoreText H1 "1-0 1/2"; StoreText V1 6; StoreText W1 9; StoreText L1 120
  StoreIndex MAT1 $((section - 1)); StoreIndex OSL1 1; StoreIndex Pair1 1
  # Row 2 is refused: its H cannot be read.
  StoreText H2 "a-b"; StoreText V2 3; StoreText W2 4; StoreText L2 48
  StoreIndex MAT2 7; StoreIndex OSL2 0; StoreIndex Pair2 0
  for row in 3 4 5; do
    StoreText "H$row" "$row 1/2"; StoreText "V$row" ""
    StoreText "W$row" "10-11 15/16"; StoreText "L$row" ""
    StoreIndex "MAT$row" -1; StoreIndex "OSL$row" -1; StoreIndex "Pair$row" -1
  done
  # A Windows-1252 byte comes back as the same byte.
  printf '2\xe9\r\n' >"$folder/TextFiles/L5.TXT"
  StoreIndex BS 2
  mkdir -p "$folder/seeded" && cp "$folder/TextFiles/"* "$folder/seeded/"
}

# Starts vpa.exe from $folder and waits for its form.
StartForm() {
  (cd "$folder" && exec timeout 300 wine "$folder/vpa.exe" >/dev/null 2>&1) &
  form_pid=$!
  pids+=($form_pid)
  WaitFor 60 FindForm || Fail "the window did not show within 60 s"
  sleep 1
}

StopForm() {
  WaitFor 20 eval '! kill -0 $form_pid 2>/dev/null' ||
    Fail "the window did not end after Exit"
}

# Windows' name of a folder under Wine's drive Z:.
WindowsPath() { printf 'Z:%s' "${1//\//\\}"; }

# The window at 100 %: stored rows, Run, clipboard, minimise, a second
# launch, a refused row, saving at Exit. The folder's name is not ASCII, so
# Unicode paths are checked on the way.
CheckWindow() {
  local dpi=$1 percent=$2 macro expected clipboard before
  echo "== The window under Wine at $percent %"
  folder="$out/wine-run/Détailleur Ørsted/VPA"
  rm -rf "$out/wine-run" && mkdir -p "$(dirname "$folder")"
  cp -r "$out/program" "$folder"
  places="$out/places-$dpi.txt"
  "$out/linux/form-places" "$dpi" >"$places"
  client=$(awk '$1 == "Form1" {print $4 "x" $5}' "$places")
  SeedFields
  SetDpi "$dpi"
  StartForm
  echo "client area: $client"
  Screenshot "$form" "window-$percent.png"

  Click Go1
  WaitFor 10 IsIconic || Fail "Run on row 1 did not minimise the window"
  macro="$folder/0PY/0.PY"
  [ -f "$macro" ] || Fail "Run on row 1 wrote no macro"
  rm -rf "$out/linux-run" && cp -r "$folder" "$out/linux-run"
  rm -f "$out/linux-run/0PY/0.PY"
  "$out/linux/program/vpa-macro" --folder "$out/linux-run" write --row 1 \
    >/dev/null
  cmp "$macro" "$out/linux-run/0PY/0.PY" ||
    Fail "row 1's macro differs from the Linux build's"
  echo "Run on row 1: the macro ($(wc -c <"$macro") bytes) equals the Linux" \
    "build's, and the window is minimised."
  expected=$(WindowsPath "$folder\\0PY\\0.PY")
  clipboard=$(timeout 10 xclip -o -selection clipboard | tr -d '\r')
  [ "$clipboard" = "$expected" ] ||
    Fail "clipboard holds '$clipboard', expected '$expected'"
  echo "clipboard: $clipboard"

  local status=0
  timeout 30 wine "$folder/vpa.exe" >"$out/second-launch.log" 2>&1 ||
    status=$?
  [ $status -eq 0 ] || Fail "a second launch ended with $status" \
    "($(head -c 300 "$out/second-launch.log"))"
  WaitFor 10 IsNormal || Fail "a second launch did not restore the window"
  [ "$(xdotool search --name '^SDS/2 Macro' | wc -l)" -eq 1 ] ||
    Fail "a second launch left a second window"
  echo "A second launch restored the first window and ended."

  before=$(md5sum <"$macro")
  Click Go2
  WaitFor 10 FindMessageBox || Fail "row 2 was not refused with a message"
  sleep 0.5
  Screenshot "$box" "refused-$percent.png"
  [ "$(md5sum <"$macro")" = "$before" ] || Fail "a refused row wrote a macro"
  # The message box is modal and has the focus.
  timeout 5 xdotool windowactivate "$box" 2>/dev/null || true
  xdotool key Return
  WaitFor 10 eval '! FindMessageBox' || Fail "the message did not close"
  echo "Row 2 was refused with a message and changed nothing."

  Click CmdExit
  StopForm
  diff -r "$folder/seeded" "$folder/TextFiles" ||
    Fail "Exit did not save the 36 fields as they were stored"
  echo "Exit saved the $(ls "$folder/TextFiles" | wc -l) fields in the" \
    "store's bytes, as they came back."
  SetDpi 96
}

# The window at 150 %: its size, a screenshot, and Exit at the scaled place.
CheckScaled() {
  local dpi=$1 percent=$2
  echo "== The window under Wine at $percent %"
  places="$out/places-$dpi.txt"
  "$out/linux/form-places" "$dpi" >"$places"
  client=$(awk '$1 == "Form1" {print $4 "x" $5}' "$places")
  SetDpi "$dpi"
  StartForm
  echo "client area: $client"
  Screenshot "$form" "window-$percent.png"
  Click CmdExit
  StopForm
  SetDpi 96
}

CheckInstaller() {
  local setup=$1 local_app installed menu
  echo "== The installer, silently"
  timeout 120 wine "$setup" /S || Fail "the installer failed"
  local_app=$(timeout 30 wine cmd /c echo %LOCALAPPDATA% 2>/dev/null |
    tr -d '\r')
  installed="$(timeout 30 winepath -u "$local_app" 2>/dev/null)/Programs/VPA"
  menu="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Microsoft/Windows"
  menu+="/Start Menu/Programs/VPA/VPA.lnk"
  for file in vpa.exe vpa-macro.exe Pellavert.htm Uninstall.exe \
    PythonFiles/WALLBEARANG.PY; do
    [ -f "$installed/$file" ] || Fail "the installer left out $file"
  done
  [ -d "$installed/0PY" ] && [ -d "$installed/TextFiles" ] ||
    Fail "the installer made no 0PY or TextFiles"
  [ -f "$menu" ] || Fail "the installer made no Start-menu entry"
  echo "Installed into $local_app\\Programs\\VPA, with a Start-menu entry."
  printf '12\r\n' >"$installed/TextFiles/H1.TXT"
  timeout 60 wine "$installed/Uninstall.exe" /S || Fail "uninstall failed"
  # The uninstaller runs on from a copy of itself.
  WaitFor 30 eval '[ ! -e "$installed/vpa.exe" ] &&
    [ ! -e "$installed/Uninstall.exe" ]' ||
    Fail "the uninstaller left the program"
  [ -f "$installed/TextFiles/H1.TXT" ] || Fail "the uninstaller took TextFiles"
  [ ! -e "$menu" ] || Fail "the uninstaller left the Start-menu entry"
  echo "Uninstalled; TextFiles kept."
}
